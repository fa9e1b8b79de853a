#pragma once
// CNorvikDlg: the frameless 527 x 347 frame. It owns the icon and the title,
// hosts the pages, and is the window that is minimised, dragged and destroyed.
#include "framework/afxwin.h"
#include "setup/shell/intro_page.h"
#include "setup/shell/skin_dialog.h"

class CNorvikDlg : public CSkinDialog {
public:
    explicit CNorvikDlg(CWnd* parent = nullptr);

    HICON m_hIcon;
    CIntro m_intro;

    BOOL OnInitDialog() override;

protected:
    void OnShowWindow(BOOL show, UINT status);
    void OnPaint();
    HCURSOR OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnClose() {}  // Alt+F4 and the taskbar's close do nothing

    BEGIN_MSG_MAP(CNorvikDlg, CSkinDialog)
        ON_WM_SHOWWINDOW()
        ON_WM_PAINT()
        ON_WM_QUERYDRAGICON()
        ON_WM_LBUTTONDOWN()
        ON_WM_MOUSEMOVE()
        ON_WM_ERASEBKGND()
        ON_WM_CLOSE()
    END_MSG_MAP()
};
