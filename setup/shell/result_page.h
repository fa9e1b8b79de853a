#pragma once
// CRespFail: the result page (page 1), in the variant of CPrevMgr::m_resultCode.
#include "framework/afxwin.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/skin_dialog.h"

class CRespFail : public CSkinDialog {
public:
    CRespFail() : CSkinDialog(IDD_RESULT) {}

    BOOL OnInitDialog() override;

protected:
    // The painted page for screen readers (page_accessible.cpp).
    void DescribeAccessible(fw::AccessibleFace& face) override;
    void OnPaint();
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnFinish();

    BEGIN_MSG_MAP(CRespFail, CSkinDialog)
        ON_WM_PAINT()
        ON_WM_MOUSEMOVE()
        ON_WM_LBUTTONDOWN()
        ON_BN_CLICKED(IDCANCEL, OnFinish)
        ON_WM_GETOBJECT()
    END_MSG_MAP()
};
