#include "setup/shell/installer_app.h"

#include <commctrl.h>

#include <optional>

#include "setup/res/resource_ids.h"
#include "setup/shell/frame_dlg.h"
#include "setup/shell/startup_sequence.h"

namespace {

// Start-up's system calls for the real program.
class Win32Startup final : public startup::StartupSystem {
public:
    Win32Startup(CNorvikApp& app, fw::UniqueHandle& mutex) : app_(app), mutex_(mutex) {}

    void InitCommonControls() override {
        INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&icc);
    }
    void InitFramework() override { app_.CWinApp::InitInstance(); }
    bool InitSockets() override { return AfxSocketInit() != FALSE; }
    // Captioned with the executable's name: the application name is not set yet.
    void ShowSocketsFailed() override { AfxMessageBox(IDS_SOCKETS_INIT_FAILED); }
    startup::MutexOutcome CreateInstanceMutex() override {
        // No namespace prefix: one installer per logon session. The handle is
        // kept for the life of the process.
        if (fw::AnotherInstanceRuns(kInstallerMutexName, mutex_)) return startup::MutexOutcome::AlreadyExists;
        return mutex_ ? startup::MutexOutcome::Created : startup::MutexOutcome::Failed;
    }
    void ShowAlreadyRunning() override {
        ::MessageBoxW(nullptr, kAlreadyRunningText, kInstallerName, MB_OK | MB_ICONINFORMATION);
    }
    void SetApplicationName() override { app_.SetAppName(kInstallerName); }
    void RunFrame() override {
        frame_.emplace();
        app_.m_pMainWnd = &*frame_;
        frame_->DoModal();
    }
    void CleanupSockets() override { ::WSACleanup(); }

    // The frame object goes last, after the sockets are cleaned up.
    ~Win32Startup() { app_.m_pMainWnd = nullptr; }

private:
    CNorvikApp& app_;
    fw::UniqueHandle& mutex_;
    std::optional<CNorvikDlg> frame_;
};

}  // namespace

BOOL CNorvikApp::InitInstance() {
    Win32Startup system(*this, m_instanceMutex);
    return startup::RunInstaller(system) ? TRUE : FALSE;
}
