#include "look/skin.h"

namespace look {

void MakeButtonImages(CImageList& images, UINT bitmapId) {
    CBitmap strip;
    strip.LoadBitmap(bitmapId);
    BITMAP bm{};
    strip.GetBitmap(&bm);
    images.Create(12, bm.bmHeight, ILC_COLOR24 | ILC_MASK, 0, 0);
    images.Add(&strip, RGB(255, 255, 255));
}

void MakeGulimFont(CFont& font, int height, int weight) {
    LOGFONTW lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    wcscpy_s(lf.lfFaceName, L"gulim");
    font.CreateFontIndirect(&lf);
}

void DrawImageButtons(CDC* dc, const TitleBand& band, CImageList& minimise, int minimiseHover, CImageList& close,
                      int closeHover) {
    minimise.Draw(dc, ImageIndex(minimiseHover), CPoint(band.minimise.left, band.minimise.top), ILD_NORMAL);
    close.Draw(dc, ImageIndex(closeHover), CPoint(band.close.left, band.close.top), ILD_NORMAL);
}

void TrackHover(CWnd* wnd, const TitleBand& band, CPoint point, int& minimiseHover, int& closeHover, BOOL erase) {
    const Hover hover = HoverAt(band, point.x, point.y);
    minimiseHover = hover.minimise;
    const RECT minimise = fw::ToRECT(band.minimise);
    wnd->InvalidateRect(&minimise, erase);
    closeHover = hover.close;
    const RECT close = fw::ToRECT(band.close);
    wnd->InvalidateRect(&close, erase);
}

void DragByCaption(CWnd* wnd) { wnd->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, 0); }

void DrawMinimisedIcon(CWnd* wnd, CDC* dc, HICON icon) {
    wnd->SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc->GetSafeHdc()), 0);
    CRect client;
    wnd->GetClientRect(&client);
    const int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc->DrawIcon(x, y, icon);
}

void DescribeImageButtons(fw::AccessibleFace& face, const TitleBand& band, int minimiseHover, int closeHover,
                          const wchar_t* closeAction) {
    face.items.push_back(fw::AccessibleItem::Button(L"최소화", fw::ToRECT(band.minimise), fw::kPressAction, minimiseHover != 0));
    face.items.push_back(fw::AccessibleItem::Button(L"닫기", fw::ToRECT(band.close), closeAction, closeHover != 0));
}

}  // namespace look
