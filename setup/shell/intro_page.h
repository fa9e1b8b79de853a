#pragma once
// CIntro: the first page. Its initialisation brings the rest of the wizard into
// being: the page manager and the hidden installing and result pages.
#include "framework/afxwin.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/skin_dialog.h"

class CIntro : public CSkinDialog {
public:
    CIntro();

    int m_closeHover = 0;
    int m_minimiseHover = 0;
    CImageList m_closeImages;
    CImageList m_minimiseImages;

    BOOL OnInitDialog() override;

protected:
    // The painted page for screen readers (page_accessible.cpp).
    void DescribeAccessible(fw::AccessibleFace& face) override;
    void OnPaint();
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnNext();
    void OnCancelClicked();

    BEGIN_MSG_MAP(CIntro, CSkinDialog)
        ON_WM_PAINT()
        ON_WM_MOUSEMOVE()
        ON_WM_LBUTTONDOWN()
        ON_WM_ERASEBKGND()
        ON_BN_CLICKED(IDC_NEXT, OnNext)
        ON_BN_CLICKED(IDCANCEL, OnCancelClicked)
        ON_WM_GETOBJECT()
    END_MSG_MAP()
};
