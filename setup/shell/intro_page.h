#pragma once
// CIntro: the first page. Its initialisation brings the rest of the wizard into
// being: the page manager and the hidden installing and result pages.
#include "framework/afxwin.h"

class CIntro : public CDialog {
public:
    CIntro();

    int m_closeHover = 0;
    int m_minimiseHover = 0;
    CImageList m_closeImages;
    CImageList m_minimiseImages;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void OnPaint();
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnNext();
    void OnCancelClicked();

    BEGIN_MSG_MAP(CIntro, CDialog)
        ON_WM_PAINT()
        ON_WM_MOUSEMOVE()
        ON_WM_LBUTTONDOWN()
        ON_WM_ERASEBKGND()
        ON_BN_CLICKED(1172, OnNext)
        ON_BN_CLICKED(IDCANCEL, OnCancelClicked)
    END_MSG_MAP()
};
