#pragma once
// CRespFail: the result page (page 1), in the variant of CPrevMgr::m_resultCode.
#include "framework/afxwin.h"

class CRespFail : public CDialog {
public:
    CRespFail() : CDialog(221) {}

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnPaint();
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnFinish();

    BEGIN_MSG_MAP(CRespFail, CDialog)
        ON_WM_PAINT()
        ON_WM_MOUSEMOVE()
        ON_WM_LBUTTONDOWN()
        ON_BN_CLICKED(IDCANCEL, OnFinish)
    END_MSG_MAP()
};
