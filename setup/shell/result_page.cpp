#include "setup/shell/result_page.h"

#include "look/skin.h"
#include "setup/shell/page_manager.h"
#include "setup/shell/skin_paint.h"

BOOL CRespFail::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    CWnd* finish = GetDlgItem(IDCANCEL);
    skin::PlaceButton(finish, skin::kSecondPushButton);
    finish->SetWindowText(L"마침");
    finish->SetFont(&g_pPrevMgr->m_buttonFont);
    return TRUE;
}

void CRespFail::OnPaint() {
    const skin::PageFace face = skin::ResultFace(g_pPrevMgr->m_resultCode);
    skin::PaintOffscreen(this, [&face](CDC& dc) {
        g_pPrevMgr->DrawBackground(&dc, face.bitmapId);
        skin::DrawTexts(&dc, face.lines, &g_pPrevMgr->m_titleFont, &g_pPrevMgr->m_bodyFont);
    });
}

void CRespFail::OnMouseMove(UINT, CPoint point) {
    look::TrackHover(this, skin::kTitleBand, point, g_pPrevMgr->m_minimiseHover, g_pPrevMgr->m_closeHover, FALSE);
    Default();
}

void CRespFail::OnLButtonDown(UINT, CPoint point) {
    g_pPrevMgr->OnResultPageClick(point);
    // A confirmed exit has destroyed the frame and this page with it.
    if (m_hWnd != nullptr) Default();
}

void CRespFail::OnFinish() { ConfirmExit(); }
