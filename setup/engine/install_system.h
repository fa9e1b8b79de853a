#pragma once
// The platform operations the install worker needs, in its own terms. The real
// implementation calls Win32; tests drive the worker with a recording fake.
#include <cstdint>
#include <optional>
#include <string>

#include "setup/engine/install_result.h"
#include "setup/engine/package_selection.h"

namespace engine {

class InstallSystem {
public:
    // Full path of setup's own executable; false when it cannot be read.
    virtual bool ModulePath(std::wstring& path) = 0;
    // wProcessorArchitecture of the native system.
    virtual std::uint16_t NativeArchitecture() = 0;
    virtual WindowsVersion QueryVersion() = 0;
    // Asks Plug and Play to re-enumerate the device tree; failures are ignored.
    virtual void RescanHardware() = 0;
    // Starts the command line (a writable buffer) only if `installerPath` holds a
    // genuine DPInst, checked on the very file that starts; waits without a
    // time-out and returns the exit code. nullopt when nothing was started, or
    // when the run's end or its exit code cannot be established.
    virtual std::optional<std::uint32_t> LaunchAndWait(const std::wstring& installerPath,
                                                       std::wstring& commandLine) = 0;
    // Removes the card's present device node, if any; failures are ignored.
    virtual void RemoveCardDevice() = 0;
    // Posts WM_INSTALL_RESULT with this outcome and lParam 0.
    virtual void PostOutcome(InstallOutcome outcome) = 0;

protected:
    ~InstallSystem() = default;
};

}  // namespace engine
