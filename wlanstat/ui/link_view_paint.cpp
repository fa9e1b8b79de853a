// Painting of the status dialog: the whole face is composed off-screen on the
// background picture and reaches the window in one copy.
#include "wlanstat/ui/link_view_dlg.h"
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

void CLinkViewDlg::DrawIconFace(CDC* target) {
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(target->GetSafeHdc()), 0);
    CRect client;
    GetClientRect(&client);
    const int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    target->DrawIcon(x, y, appIcon);
}

void CLinkViewDlg::DrawFace(CDC* target) {
    // Declared before the DCs so that the DCs let go of it before it is deleted.
    CBitmap background;
    CDC canvas;
    canvas.CreateCompatibleDC(target);
    CDC picture;
    picture.CreateCompatibleDC(&canvas);

    // A fresh copy each time: the picture itself is the drawing surface.
    background.LoadBitmap(IDB_BACKGROUND);
    canvas.SelectObject(&background);

    const PanelState state = PanelStateOf(shownStatus);
    canvas.SelectObject(&panelFont);
    picture.SelectObject(&stateImages[state]);

    PaintInfoPanel(state, &canvas);
    minimizeImages.Draw(&canvas, minimizeHover ? 1 : 0, CPoint(minimizeRect.left, minimizeRect.top), ILD_NORMAL);
    closeImages.Draw(&canvas, closeHover ? 1 : 0, CPoint(closeRect.left, closeRect.top), ILD_NORMAL);
    const PixelRect& at = kStatePictureRect;
    canvas.BitBlt(at.left, at.top, at.right - at.left, at.bottom - at.top, &picture, 0, 0, SRCCOPY);
    // The paint DC's update region clips this to what needs repainting.
    target->BitBlt(0, 0, kFaceWidth, kFaceHeight, &canvas, 0, 0, SRCCOPY);
}

void CLinkViewDlg::PaintInfoPanel(PanelState state, CDC* dc) {
    dc->SetBkMode(TRANSPARENT);
    for (const PanelText& t : PanelTexts(state, shownStatus)) {
        dc->SetTextColor(t.color);
        if (t.fitted) {
            RECT box{t.box.left, t.box.top, t.box.right, t.box.bottom};
            ::DrawTextW(dc->GetSafeHdc(), t.text.c_str(), static_cast<int>(t.text.size()), &box, t.format);
        } else {
            dc->TextOut(t.x, t.y, t.text);
        }
    }
}
