// Painting of the status dialog: the whole face is composed off-screen on the
// background picture and reaches the window in one copy.
#include "wlanstat/ui/link_view_dlg.h"
#include "look/skin.h"
#include "wlanstat/ui/hit_rects.h"
#include "wlanstat/ui/panel_texts.h"

void CLinkViewDlg::OnPaint() {
    CPaintDC dc(this);
    if (IsIconic()) {
        DrawIconFace(&dc);
    } else {
        DrawFace(&dc);
    }
}

void CLinkViewDlg::DrawIconFace(CDC* target) { look::DrawMinimisedIcon(this, target, appIcon); }

void CLinkViewDlg::DrawFace(CDC* target) {
    CBitmap background;
    CDC canvas;
    canvas.CreateCompatibleDC(target);
    CDC picture;
    picture.CreateCompatibleDC(&canvas);

    // A fresh copy each time: the picture itself is the drawing surface.
    background.LoadBitmap(IDB_BACKGROUND);
    const fw::ScopedSelect onBackground(canvas, background);

    const PanelState state = PanelStateOf(shownStatus);
    const fw::ScopedSelect inPanelFont(canvas, panelFont);
    const fw::ScopedSelect statePicture(picture, stateImages[state]);

    PaintInfoPanel(state, &canvas);
    look::DrawImageButtons(&canvas, kTitleBand, minimizeImages, minimizeHover, closeImages, closeHover);
    const fw::Rect& at = kStatePictureRect;
    canvas.BitBlt(at.left, at.top, at.Width(), at.Height(), &picture, 0, 0, SRCCOPY);
    // The paint DC's update region clips this to what needs repainting.
    target->BitBlt(0, 0, kFaceWidth, kFaceHeight, &canvas, 0, 0, SRCCOPY);
}

void CLinkViewDlg::PaintInfoPanel(PanelState state, CDC* dc) {
    dc->SetBkMode(TRANSPARENT);
    for (const PanelText& t : PanelTexts(state, shownStatus)) {
        dc->SetTextColor(t.color);
        if (t.fitted) {
            RECT box = fw::ToRECT(t.box);
            ::DrawTextW(dc->GetSafeHdc(), t.text.c_str(), static_cast<int>(t.text.size()), &box, t.format);
        } else {
            dc->TextOut(t.x, t.y, t.text);
        }
    }
}
