#pragma once
// CNotiLowVersion: the installing page (page 0). Shown once: it greys its
// buttons, plays the animation and starts the install worker, then waits for
// WM_INSTALL_RESULT and hands over to the result page.
#include "framework/afxwin.h"
#include "setup/engine/install_result.h"
#include "setup/engine/install_worker_thread.h"
#include "setup/picture/animated_picture.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/skin_dialog.h"

class CNotiLowVersion : public CSkinDialog, public InstallResultTarget {
public:
    CNotiLowVersion() : CSkinDialog(IDD_INSTALLING) {}

    CAnimatedPicture m_picture;

    BOOL OnInitDialog() override;
    HWND ResultWindow() const override { return m_hWnd; }

protected:
    // The painted page for screen readers (page_accessible.cpp).
    void DescribeAccessible(fw::AccessibleFace& face) override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnShowWindow(BOOL show, UINT status);
    void OnPaint();
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnButtons() {}
    LRESULT OnInstallResult(WPARAM outcome, LPARAM);

    BEGIN_MSG_MAP(CNotiLowVersion, CSkinDialog)
        ON_WM_SHOWWINDOW()
        ON_WM_PAINT()
        ON_WM_MOUSEMOVE()
        ON_WM_LBUTTONDOWN()
        ON_BN_CLICKED(IDC_NEXT, OnButtons)
        ON_BN_CLICKED(IDCANCEL, OnButtons)
        ON_MESSAGE(WM_INSTALL_RESULT, OnInstallResult)
        ON_WM_GETOBJECT()
    END_MSG_MAP()

private:
    // Starts the install worker for `target`: its thread handle, or nullptr.
    using WorkerStarter = HANDLE (*)(InstallResultTarget* target);
    static HANDLE StartInstallWorker(InstallResultTarget* target);
    WorkerStarter m_startWorker = &StartInstallWorker;

    // Tests and the paint benchmark put in a stand-in worker.
    friend struct InstallingPageTestAccess;
};
