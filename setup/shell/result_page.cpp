#include "setup/shell/result_page.h"

#include "setup/shell/key_filter.h"
#include "setup/shell/page_manager.h"
#include "setup/shell/skin_paint.h"

BOOL CRespFail::OnInitDialog() {
    CDialog::OnInitDialog();
    CWnd* finish = GetDlgItem(IDCANCEL);
    finish->MoveWindow(434, 314, 75, 25, TRUE);
    finish->SetWindowText(L"마침");
    finish->SetFont(&g_pPrevMgr->m_buttonFont);
    return TRUE;
}

BOOL CRespFail::PreTranslateMessage(MSG* msg) {
    if (skin::IsSwallowedKey(msg->message, msg->wParam)) return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CRespFail::OnPaint() {
    const skin::PageFace face = skin::ResultFace(g_pPrevMgr->m_resultCode);
    skin::PaintOffscreen(this, [&face](CDC& dc) {
        g_pPrevMgr->DrawBackground(&dc, face.bitmapId);
        skin::DrawTexts(&dc, face.lines, &g_pPrevMgr->m_titleFont, &g_pPrevMgr->m_bodyFont);
    });
}

void CRespFail::OnMouseMove(UINT, CPoint point) {
    skin::TrackHover(this, point, g_pPrevMgr->m_minimiseHover, g_pPrevMgr->m_closeHover, FALSE);
    Default();
}

void CRespFail::OnLButtonDown(UINT, CPoint point) {
    g_pPrevMgr->OnResultPageClick(point);
    Default();
}

void CRespFail::OnFinish() { ConfirmExit(); }
