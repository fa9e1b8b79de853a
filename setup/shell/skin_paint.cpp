#include "look/skin.h"
#include "setup/shell/skin_paint.h"

namespace skin {

void DrawTexts(CDC* dc, std::span<const TextLine> lines, CFont* title, CFont* body) {
    if (lines.empty()) return;
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    {
        const fw::ScopedSelect inTitleFont(*dc, *title);
        dc->TextOut(kTextX, lines[0].y, lines[0].text);
    }
    const fw::ScopedSelect inBodyFont(*dc, *body);
    for (const TextLine& line : lines.subspan(1)) dc->TextOut(kTextX, line.y, line.text);
}

void PaintOnBitmap(CWnd* page, UINT bitmapId, const std::function<void(CDC&)>& compose) {
    CPaintDC dc(page);
    CRect window;
    page->GetWindowRect(&window);
    CBitmap background;
    background.LoadBitmap(bitmapId);
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    const fw::ScopedSelect onBackground(mem, background);
    compose(mem);
    dc.BitBlt(0, 0, window.Width(), window.Height(), &mem, 0, 0, SRCCOPY);
}

void PaintOffscreen(CWnd* page, const std::function<void(CDC&)>& compose) {
    CPaintDC dc(page);
    CRect client;
    page->GetClientRect(&client);
    CBitmap canvas;
    canvas.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    const fw::ScopedSelect onCanvas(mem, canvas);
    compose(mem);
    dc.BitBlt(0, 0, kPageWidth, kPageHeight, &mem, 0, 0, SRCCOPY);
}

CWnd* MainWindow() {
    CWinApp* app = AfxGetApp();
    return app ? app->GetMainWnd() : nullptr;
}

void MinimiseMainWindow() {
    if (CWnd* main = MainWindow()) main->ShowWindow(SW_MINIMIZE);
}

void DragMainWindow() {
    if (CWnd* main = MainWindow()) look::DragByCaption(main);
}

void PlaceButton(CWnd* button, const fw::Rect& place) {
    button->MoveWindow(place.left, place.top, place.Width(), place.Height(), TRUE);
}

}  // namespace skin
