#include "setup/shell/installing_page.h"

#include "setup/engine/install_result.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/key_filter.h"
#include "setup/shell/page_manager.h"
#include "setup/shell/skin_paint.h"

HANDLE CNotiLowVersion::StartThread(LPTHREAD_START_ROUTINE entry, LPVOID argument) {
    DWORD threadId = 0;
    return ::CreateThread(nullptr, 0, entry, argument, 0, &threadId);
}

void CNotiLowVersion::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PICTURE, m_picture);
}

BOOL CNotiLowVersion::OnInitDialog() {
    CDialog::OnInitDialog();
    CWnd* next = GetDlgItem(IDC_NEXT);
    CWnd* cancel = GetDlgItem(IDCANCEL);
    next->SetWindowText(L"다음 >");
    next->SetFont(&g_pPrevMgr->m_buttonFont);
    cancel->SetWindowText(L"취소");
    cancel->SetFont(&g_pPrevMgr->m_buttonFont);
    next->MoveWindow(354, 314, 75, 25, TRUE);
    cancel->MoveWindow(434, 314, 75, 25, TRUE);
    next->SetFont(&g_pPrevMgr->m_buttonFont);
    cancel->SetFont(&g_pPrevMgr->m_buttonFont);
    m_picture.m_centerInMainWindow = 0;
    m_picture.MoveWindow(188, 203, 315, 83, TRUE);
    return TRUE;
}

BOOL CNotiLowVersion::PreTranslateMessage(MSG* msg) {
    if (skin::IsSwallowedKey(msg->message, msg->wParam)) return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CNotiLowVersion::OnShowWindow(BOOL show, UINT status) {
    CDialog::OnShowWindow(show, status);
    if (!show) {
        m_picture.ReleaseAll();
        return;
    }
    GetDlgItem(IDC_NEXT)->EnableWindow(FALSE);
    GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    m_picture.LoadFromResource();
    m_picture.Play();
    HANDLE worker = m_startThread(m_workerEntry, static_cast<InstallResultTarget*>(this));
    if (worker != nullptr) {
        ::CloseHandle(worker);
    } else {
        // No worker means no outcome would ever come and the user could not
        // leave: report a failed installation instead.
        PostMessage(WM_INSTALL_RESULT, INSTALL_RESULT_FAILED, 0);
    }
}

void CNotiLowVersion::OnPaint() {
    skin::PaintOffscreen(this, [](CDC& dc) {
        g_pPrevMgr->DrawBackground(&dc, skin::kInstallingFace.bitmapId);
        skin::DrawTexts(&dc, skin::kInstallingFace.lines, &g_pPrevMgr->m_titleFont, &g_pPrevMgr->m_bodyFont);
    });
}

void CNotiLowVersion::OnMouseMove(UINT, CPoint point) {
    skin::TrackHover(this, point, g_pPrevMgr->m_minimiseHover, g_pPrevMgr->m_closeHover, FALSE);
    Default();
}

void CNotiLowVersion::OnLButtonDown(UINT, CPoint point) {
    switch (skin::ActionForPress(skin::PageKind::Installing, point.x, point.y)) {
    case skin::PressAction::Minimise:
        skin::MinimiseMainWindow();
        g_pPrevMgr->m_minimiseHover = 0;
        break;
    case skin::PressAction::Drag: skin::DragMainWindow(); break;
    default: break;
    }
    Default();
}

LRESULT CNotiLowVersion::OnInstallResult(WPARAM outcome, LPARAM) {
    g_pPrevMgr->m_resultCode = skin::ResultCodeForOutcome(outcome);
    g_pPrevMgr->ShowPage(1);
    return 0;
}
