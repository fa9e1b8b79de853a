#pragma once
// CNotiLowVersion: the installing page (page 0). Shown once: it greys its
// buttons, plays the animation and starts the install worker, then waits for
// WM_INSTALL_RESULT and hands over to the result page.
#include "framework/afxwin.h"
#include "setup/engine/install_result.h"
#include "setup/engine/install_worker_thread.h"
#include "setup/picture/animated_picture.h"

class CNotiLowVersion : public CDialog, public InstallResultTarget {
public:
    CNotiLowVersion() : CDialog(217) {}

    CAnimatedPicture m_picture;

    // How the worker is started; tests put in their own.
    using ThreadStarter = HANDLE (*)(LPTHREAD_START_ROUTINE entry, LPVOID argument);
    static HANDLE StartThread(LPTHREAD_START_ROUTINE entry, LPVOID argument);
    ThreadStarter m_startThread = &StartThread;
    LPTHREAD_START_ROUTINE m_workerEntry = &InstallWorkerThread;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    HWND ResultWindow() const override { return m_hWnd; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnShowWindow(BOOL show, UINT status);
    void OnPaint();
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnButtons() {}
    LRESULT OnInstallResult(WPARAM outcome, LPARAM);

    BEGIN_MSG_MAP(CNotiLowVersion, CDialog)
        ON_WM_SHOWWINDOW()
        ON_WM_PAINT()
        ON_WM_MOUSEMOVE()
        ON_WM_LBUTTONDOWN()
        ON_BN_CLICKED(1172, OnButtons)
        ON_BN_CLICKED(IDCANCEL, OnButtons)
        ON_MESSAGE(WM_INSTALL_RESULT, OnInstallResult)
    END_MSG_MAP()
};
