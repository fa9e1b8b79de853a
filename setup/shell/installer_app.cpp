#include "setup/shell/installer_app.h"

#include <commctrl.h>

#include "setup/res/resource_ids.h"
#include "setup/shell/frame_dlg.h"

BOOL CNorvikApp::InitInstance() {
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    CWinApp::InitInstance();

    // Before the single-instance check: without sockets we say so even when
    // another installer runs.
    if (!AfxSocketInit()) {
        AfxMessageBox(IDS_SOCKETS_INIT_FAILED);
        return FALSE;
    }

    // No namespace prefix: one installer per logon session.
    m_instanceMutex = ::CreateMutexW(nullptr, TRUE, kInstallerMutexName);
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::MessageBoxW(nullptr, kAlreadyRunningText, kInstallerName, MB_OK | MB_ICONINFORMATION);
        return FALSE;
    }

    SetAppName(kInstallerName);
    {
        CNorvikDlg frame;
        m_pMainWnd = &frame;
        frame.DoModal();
        ::WSACleanup();
        m_pMainWnd = nullptr;
    }
    return FALSE;
}
