#include "setup/shell/skin_paint.h"

namespace skin {

namespace {

constexpr COLORREF kTransparent = RGB(255, 255, 255);

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

void MakeButtonImages(CImageList& list, UINT bitmapId) {
    CBitmap strip;
    strip.LoadBitmap(bitmapId);
    BITMAP bm{};
    strip.GetBitmap(&bm);
    list.Create(12, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 0);
    list.Add(&strip, kTransparent);
}

void MakeFont(CFont& font, int height, int weight) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    wcscpy_s(lf.lfFaceName, L"gulim");
    font.CreateFontIndirect(&lf);
}

void DrawImageButtons(CDC* dc, CImageList& minimise, CImageList& close, int minimiseHover, int closeHover) {
    minimise.Draw(dc, ImageIndex(minimiseHover), CPoint(kMinimiseImagePos.x, kMinimiseImagePos.y), ILD_NORMAL);
    close.Draw(dc, ImageIndex(closeHover), CPoint(kCloseImagePos.x, kCloseImagePos.y), ILD_NORMAL);
}

void DrawTexts(CDC* dc, std::span<const TextLine> lines, CFont* title, CFont* body) {
    if (lines.empty()) return;
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    HGDIOBJ old = dc->SelectObject(title);
    dc->TextOut(kTextX, lines[0].y, lines[0].text);
    dc->SelectObject(old);
    old = dc->SelectObject(body);
    for (const TextLine& line : lines.subspan(1)) dc->TextOut(kTextX, line.y, line.text);
    dc->SelectObject(old);
}

void PaintOnBitmap(CWnd* page, UINT bitmapId, const std::function<void(CDC&)>& compose) {
    CPaintDC dc(page);
    CRect window;
    page->GetWindowRect(&window);
    CBitmap background;
    background.LoadBitmap(bitmapId);
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    HGDIOBJ kept = mem.SelectObject(&background);
    compose(mem);
    dc.BitBlt(0, 0, window.Width(), window.Height(), &mem, 0, 0, SRCCOPY);
    mem.SelectObject(kept);
}

void PaintOffscreen(CWnd* page, const std::function<void(CDC&)>& compose) {
    CPaintDC dc(page);
    CRect client;
    page->GetClientRect(&client);
    CBitmap canvas;
    canvas.CreateCompatibleBitmap(&dc, client.Width(), client.Height());
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    HGDIOBJ kept = mem.SelectObject(&canvas);
    compose(mem);
    dc.BitBlt(0, 0, kPageWidth, kPageHeight, &mem, 0, 0, SRCCOPY);
    mem.SelectObject(kept);
}

CWnd* MainWindow() {
    CWinApp* app = AfxGetApp();
    return app ? app->GetMainWnd() : nullptr;
}

void MinimiseMainWindow() {
    if (CWnd* main = MainWindow()) main->ShowWindow(SW_MINIMIZE);
}

void DragMainWindow() {
    if (CWnd* main = MainWindow()) ::SendMessageW(main->m_hWnd, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void PlaceButton(CWnd* button, const Rect& place) {
    button->MoveWindow(place.left, place.top, place.Width(), place.Height(), TRUE);
}

void TrackHover(CWnd* page, CPoint point, int& minimiseHover, int& closeHover, BOOL erase) {
    const Hover hover = HoverAt(point.x, point.y);
    minimiseHover = hover.minimise;
    RECT r = ToRect(kMinimiseButtonRect);
    page->InvalidateRect(&r, erase);
    closeHover = hover.close;
    r = ToRect(kCloseButtonRect);
    page->InvalidateRect(&r, erase);
}

}  // namespace skin
