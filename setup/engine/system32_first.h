#pragma once
// A start-up record that asks Windows (10 version 1607 and later) to load a
// child's DLLs from System32 before its own folder: DPInst lies in a folder a
// standard user may write to, and a DLL put beside it must not run elevated.
#include <windows.h>

#include <vector>

namespace engine {

class System32FirstStartup {
public:
    System32FirstStartup();
    ~System32FirstStartup();
    System32FirstStartup(const System32FirstStartup&) = delete;
    System32FirstStartup& operator=(const System32FirstStartup&) = delete;

    // False when the attribute list could not be built; start without it then.
    bool Ready() const { return ready_; }
    // For CreateProcessW with EXTENDED_STARTUPINFO_PRESENT. dwFlags stays 0.
    STARTUPINFOW* Startup() { return &startup_.StartupInfo; }

private:
    std::vector<unsigned char> list_;
    DWORD64 policy_;
    STARTUPINFOEXW startup_{};
    bool initialized_ = false;
    bool ready_ = false;
};

}  // namespace engine
