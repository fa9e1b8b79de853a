#pragma once
// What both painted programs draw and track alike: two-image button strips with
// white as the transparent colour, the "gulim" fonts, the title band's image
// buttons (drawing, hover, screen-reader items), the caption drag and the
// minimised window's icon. The geometry stays each program's own (TitleBand).
#include "framework/accessible.h"
#include "framework/dc.h"
#include "framework/gdi.h"
#include "framework/image_list.h"
#include "framework/wnd.h"
#include "look/title_band.h"

namespace look {

// Fills `images` with the 12-pixel-wide images of bitmap strip `bitmapId`.
void MakeButtonImages(CImageList& images, UINT bitmapId);

// A "gulim" font `height` logical units high; every field but the weight zero.
void MakeGulimFont(CFont& font, int height, int weight = 0);

// Each button's image, highlighted while its flag is set, at its rectangle's
// top-left corner; minimise first.
void DrawImageButtons(CDC* dc, const TitleBand& band, CImageList& minimise, int minimiseHover, CImageList& close,
                      int closeHover);

// After a mouse move: both hover flags from `point`, and both button rectangles
// invalidated whether or not a flag changed, so a move repaints only them.
void TrackHover(CWnd* wnd, const TitleBand& band, CPoint point, int& minimiseHover, int& closeHover, BOOL erase);

// The system moves `wnd` with the pointer as if its caption had been pressed.
void DragByCaption(CWnd* wnd);

// The minimised window's face: the icon background, then `icon` centred.
void DrawMinimisedIcon(CWnd* wnd, CDC* dc, HICON icon);

// The two image buttons as screen readers find them; an empty `closeAction`
// where a press on the close image does not close.
void DescribeImageButtons(fw::AccessibleFace& face, const TitleBand& band, int minimiseHover, int closeHover,
                          const wchar_t* closeAction = fw::kPressAction);

}  // namespace look
