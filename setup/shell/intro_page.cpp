#include "setup/shell/intro_page.h"

#include "look/skin.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/page_manager.h"
#include "setup/shell/page_press.h"
#include "setup/shell/skin_paint.h"

CIntro::CIntro() : CSkinDialog(IDD_INTRO) {
    look::MakeButtonImages(m_minimiseImages, IDB_MINIMISE_IMAGES);
    look::MakeButtonImages(m_closeImages, IDB_CLOSE_IMAGES);
}

BOOL CIntro::OnInitDialog() {
    CSkinDialog::OnInitDialog();

    g_pPrevMgr = new CPrevMgr;
    CWnd* main = skin::MainWindow();
    for (std::ptrdiff_t i = 0; i < g_pPrevMgr->m_pages.GetSize(); ++i) {
        CDialog* page = g_pPrevMgr->Page(i);
        page->Create(i == 0 ? IDD_INSTALLING : IDD_RESULT, main);
        page->MoveWindow(0, 0, skin::kPageWidth, skin::kPageHeight, TRUE);
    }

    CWnd* next = GetDlgItem(IDC_NEXT);
    CWnd* cancel = GetDlgItem(IDCANCEL);
    next->SetWindowText(L"다음 >");
    cancel->SetWindowText(L"취소");
    // Each text is set again after its move: on purpose, the buttons get the
    // same messages in the same order as they always have.
    skin::PlaceButton(next, skin::kFirstPushButton);
    next->SetWindowText(L"다음 >");
    skin::PlaceButton(cancel, skin::kSecondPushButton);
    cancel->SetWindowText(L"취소");
    next->SetFont(&g_pPrevMgr->m_buttonFont);
    cancel->SetFont(&g_pPrevMgr->m_buttonFont);
    SetWindowPos(nullptr, 0, 0, skin::kPageWidth, skin::kPageHeight, SWP_NOMOVE);
    return TRUE;
}

void CIntro::OnPaint() {
    skin::PaintOnBitmap(this, skin::kIntroFace.bitmapId, [this](CDC& dc) {
        look::DrawImageButtons(&dc, skin::kTitleBand, m_minimiseImages, m_minimiseHover, m_closeImages, m_closeHover);
        skin::DrawTexts(&dc, skin::kIntroFace.lines, &g_pPrevMgr->m_titleFont, &g_pPrevMgr->m_bodyFont);
    });
}

void CIntro::OnMouseMove(UINT, CPoint point) {
    look::TrackHover(this, skin::kTitleBand, point, m_minimiseHover, m_closeHover, TRUE);
}

void CIntro::OnLButtonDown(UINT, CPoint point) {
    skin::HandlePress(skin::PageKind::Intro, point, m_minimiseHover);
}

void CIntro::OnNext() {
    ShowWindow(SW_HIDE);
    g_pPrevMgr->ShowPage(0);
}

void CIntro::OnCancelClicked() { ConfirmExit(); }
