#include "setup/shell/installer_app.h"

#include <commctrl.h>

#include "setup/res/resource_ids.h"
#include "setup/shell/frame_dlg.h"
#include "setup/shell/startup_sequence.h"

BOOL CNorvikApp::InitInstance() {
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    CWinApp::InitInstance();
    const auto createInstanceMutex = [this] {
        // No namespace prefix: one installer per logon session. The handle is
        // kept for the life of the process.
        if (fw::AnotherInstanceRuns(kInstallerMutexName, m_instanceMutex)) return startup::MutexOutcome::AlreadyExists;
        return m_instanceMutex ? startup::MutexOutcome::Created : startup::MutexOutcome::Failed;
    };
    const auto initSockets = [] { return AfxSocketInit() != FALSE; };
    switch (startup::CheckStartup(initSockets, createInstanceMutex)) {
        case startup::Refusal::SocketsFailed:
            // Captioned with the executable's name: the application name is not set yet.
            AfxMessageBox(IDS_SOCKETS_INIT_FAILED);
            return FALSE;
        case startup::Refusal::AlreadyRunning:
            ::MessageBoxW(nullptr, kAlreadyRunningText, kInstallerName, MB_OK | MB_ICONINFORMATION);
            return FALSE;
        case startup::Refusal::None:
            break;
    }
    // Named before the frame: its message boxes carry the name.
    SetAppName(kInstallerName);
    {
        CNorvikDlg frame;
        m_pMainWnd = &frame;
        frame.DoModal();
        // The frame object goes last, after the sockets are cleaned up.
        ::WSACleanup();
        m_pMainWnd = nullptr;
    }
    return FALSE;
}
