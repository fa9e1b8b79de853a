#pragma once
// The install worker's platform operations on Win32.
#include <windows.h>

#include "setup/engine/install_system.h"
#include "setup/engine/install_worker_thread.h"

namespace engine {

class Win32InstallSystem final : public InstallSystem {
public:
    // `page` may be null: then the outcome goes nowhere.
    explicit Win32InstallSystem(const InstallResultTarget* page) : page_(page) {}

    bool ModulePath(std::wstring& path) override;
    std::uint16_t NativeArchitecture() override;
    WindowsVersion QueryVersion() override;
    void RescanHardware() override;
    std::optional<std::uint32_t> LaunchAndWait(const std::wstring& installerPath, std::wstring& commandLine) override;
    void RemoveCardDevice() override;
    void PostOutcome(InstallOutcome outcome) override;

private:
    const InstallResultTarget* page_;
};

}  // namespace engine
