#pragma once
// Drawing and pointer handling shared by the three pages: the texts, the two
// paint pipelines and the frame they minimise and drag. Image buttons, fonts and
// hover come from the framework's skin, on this program's title band.
#include <functional>
#include <span>

#include "framework/afxwin.h"
#include "setup/shell/page_texts.h"
#include "setup/shell/skin_layout.h"

namespace skin {

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
void PlaceButton(CWnd* button, const fw::Rect& place);

}  // namespace skin
