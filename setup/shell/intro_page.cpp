#include "setup/shell/intro_page.h"

#include "setup/res/resource_ids.h"
#include "setup/shell/key_filter.h"
#include "setup/shell/page_manager.h"
#include "setup/shell/skin_paint.h"

CIntro::CIntro() : CDialog(IDD_INTRO) {
    skin::MakeButtonImages(m_minimiseImages, IDB_MINIMISE_IMAGES);
    skin::MakeButtonImages(m_closeImages, IDB_CLOSE_IMAGES);
}

BOOL CIntro::OnInitDialog() {
    CDialog::OnInitDialog();

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
    next->MoveWindow(354, 314, 75, 25, TRUE);
    next->SetWindowText(L"다음 >");
    cancel->MoveWindow(434, 314, 75, 25, TRUE);
    cancel->SetWindowText(L"취소");
    next->SetFont(&g_pPrevMgr->m_buttonFont);
    cancel->SetFont(&g_pPrevMgr->m_buttonFont);
    SetWindowPos(nullptr, 0, 0, skin::kPageWidth, skin::kPageHeight, SWP_NOMOVE);
    return TRUE;
}

BOOL CIntro::PreTranslateMessage(MSG* msg) {
    if (skin::IsSwallowedKey(msg->message, msg->wParam)) return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CIntro::OnPaint() {
    skin::PaintOnBitmap(this, skin::kIntroFace.bitmapId, [this](CDC& dc) {
        skin::DrawImageButtons(&dc, m_minimiseImages, m_closeImages, m_minimiseHover, m_closeHover);
        skin::DrawTexts(&dc, skin::kIntroFace.lines, &g_pPrevMgr->m_titleFont, &g_pPrevMgr->m_bodyFont);
    });
}

void CIntro::OnMouseMove(UINT, CPoint point) {
    skin::TrackHover(this, point, m_minimiseHover, m_closeHover, TRUE);
}

void CIntro::OnLButtonDown(UINT, CPoint point) {
    switch (skin::ActionForPress(skin::PageKind::Intro, point.x, point.y)) {
    case skin::PressAction::Minimise:
        skin::MinimiseMainWindow();
        m_minimiseHover = 0;
        break;
    case skin::PressAction::ConfirmExit: ConfirmExit(); break;
    case skin::PressAction::Drag:
        // The frame answers a press with the same caption drag, which runs until
        // the button is released. A second drag after that would wait for the
        // next press and carry the window off with it, so only start one while
        // the button is still down.
        if (CWnd* main = skin::MainWindow()) main->SendMessage(WM_LBUTTONDOWN, 0, 0);
        if (::GetKeyState(VK_LBUTTON) < 0) skin::DragMainWindow();
        break;
    case skin::PressAction::None: break;
    }
}

void CIntro::OnNext() {
    ShowWindow(SW_HIDE);
    g_pPrevMgr->ShowPage(0);
}

void CIntro::OnCancelClicked() { ConfirmExit(); }
