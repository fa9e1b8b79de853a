#pragma once
// Drawing and pointer handling shared by the three pages: image-button lists,
// fonts, the two paint pipelines, hover tracking and the press rules.
#include <functional>
#include <span>

#include "framework/afxwin.h"
#include "setup/shell/page_texts.h"
#include "setup/shell/skin_layout.h"

namespace skin {

// Fills `list` with the two 12-pixel images of bitmap strip `bitmapId`, white transparent.
void MakeButtonImages(CImageList& list, UINT bitmapId);
// A "gulim" font of the given height and weight; every other field zero.
void MakeFont(CFont& font, int height, int weight);
void DrawImageButtons(CDC* dc, CImageList& minimise, CImageList& close, int minimiseHover, int closeHover);
// Title line in `title`, the rest in `body`, black on a transparent background.
void DrawTexts(CDC* dc, std::span<const TextLine> lines, CFont* title, CFont* body);

// The intro page's pipeline: the background bitmap is the off-screen canvas.
void PaintOnBitmap(CWnd* page, UINT bitmapId, const std::function<void(CDC&)>& compose);
// The other pages' pipeline: a page-sized off-screen bitmap, composed by `compose`.
void PaintOffscreen(CWnd* page, const std::function<void(CDC&)>& compose);

// The frame, which pages minimise, drag and destroy; nullptr without an application.
CWnd* MainWindow();
void MinimiseMainWindow();
void DragMainWindow();

// Moves a push button onto its place in the bottom strip (repainting it).
void PlaceButton(CWnd* button, const Rect& place);

// Sets both hover flags from the pointer and invalidates both button rectangles.
void TrackHover(CWnd* page, CPoint point, int& minimiseHover, int& closeHover, BOOL erase);

}  // namespace skin
