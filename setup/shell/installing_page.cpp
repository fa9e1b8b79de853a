#include "setup/shell/installing_page.h"

#include "look/skin.h"
#include "setup/engine/install_result.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/page_manager.h"
#include "setup/shell/page_press.h"
#include "setup/shell/skin_paint.h"

HANDLE CNotiLowVersion::StartInstallWorker(InstallResultTarget* target) {
    DWORD threadId = 0;
    return ::CreateThread(nullptr, 0, &InstallWorkerThread, target, 0, &threadId);
}

void CNotiLowVersion::DoDataExchange(CDataExchange* dx) {
    CSkinDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_PICTURE, m_picture);
}

BOOL CNotiLowVersion::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    CWnd* next = GetDlgItem(IDC_NEXT);
    CWnd* cancel = GetDlgItem(IDCANCEL);
    next->SetWindowText(L"다음 >");
    next->SetFont(&g_pPrevMgr->m_buttonFont);
    cancel->SetWindowText(L"취소");
    cancel->SetFont(&g_pPrevMgr->m_buttonFont);
    skin::PlaceButton(next, skin::kFirstPushButton);
    skin::PlaceButton(cancel, skin::kSecondPushButton);
    // The fonts again after the moves: on purpose, the buttons get the same
    // messages in the same order as they always have.
    next->SetFont(&g_pPrevMgr->m_buttonFont);
    cancel->SetFont(&g_pPrevMgr->m_buttonFont);
    m_picture.m_centerInMainWindow = 0;
    m_picture.MoveWindow(188, 203, 315, 83, TRUE);
    return TRUE;
}

void CNotiLowVersion::OnShowWindow(BOOL show, UINT) {
    Default();
    if (!show) {
        m_picture.ReleaseAll();
        return;
    }
    GetDlgItem(IDC_NEXT)->EnableWindow(FALSE);
    GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
    m_picture.LoadFromResource();
    m_picture.Play();
    HANDLE worker = m_startWorker(this);
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
    look::TrackHover(this, skin::kTitleBand, point, g_pPrevMgr->m_minimiseHover, g_pPrevMgr->m_closeHover, FALSE);
    Default();
}

void CNotiLowVersion::OnLButtonDown(UINT, CPoint point) {
    skin::HandlePress(skin::PageKind::Installing, point, g_pPrevMgr->m_minimiseHover);
    Default();
}

LRESULT CNotiLowVersion::OnInstallResult(WPARAM outcome, LPARAM) {
    g_pPrevMgr->m_resultCode = skin::ResultCodeForOutcome(outcome);
    g_pPrevMgr->ShowPage(1);
    return 0;
}
