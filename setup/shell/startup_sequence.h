#pragma once
// The installer's start-up order, apart from the system calls it makes, so the
// order can be checked without Windows: sockets are checked before the
// single-instance mutex (a machine without sockets says so even when another
// installer runs), and a mutex that cannot be created does not stop start-up.
namespace startup {

enum class MutexOutcome { Created, AlreadyExists, Failed };

// What start-up asks of the system, in the installer's own terms.
class StartupSystem {
public:
    virtual void InitCommonControls() = 0;
    virtual void InitFramework() = 0;
    virtual bool InitSockets() = 0;
    virtual void ShowSocketsFailed() = 0;
    virtual MutexOutcome CreateInstanceMutex() = 0;
    virtual void ShowAlreadyRunning() = 0;
    virtual void SetApplicationName() = 0;
    // Runs the frame dialog modally until it is destroyed.
    virtual void RunFrame() = 0;
    virtual void CleanupSockets() = 0;

protected:
    ~StartupSystem() = default;
};

// Runs the whole of start-up, the wizard and the clean-up. Always false: the
// framework must not start a message loop of its own afterwards.
inline bool RunInstaller(StartupSystem& system) {
    system.InitCommonControls();
    system.InitFramework();
    if (!system.InitSockets()) {
        system.ShowSocketsFailed();
        return false;
    }
    if (system.CreateInstanceMutex() == MutexOutcome::AlreadyExists) {
        system.ShowAlreadyRunning();
        return false;
    }
    system.SetApplicationName();
    system.RunFrame();
    system.CleanupSockets();
    return false;
}

}  // namespace startup
