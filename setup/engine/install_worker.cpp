#include "setup/engine/install_worker.h"

#include "setup/engine/install_result.h"

namespace engine {

void RunInstall(InstallSystem& system) {
    std::wstring modulePath;
    if (!system.ModulePath(modulePath)) {
        // Without our own path every DPInst path would be relative to the drive
        // root: never launch an elevated program from a place we did not mean.
        system.PostOutcome(INSTALL_RESULT_FAILED);
        return;
    }
    const std::uint16_t architecture = system.NativeArchitecture();
    const PackageSelection selection = SelectPackage(modulePath, architecture, system.QueryVersion());
    if (selection.unsupported) {
        system.PostOutcome(INSTALL_RESULT_UNSUPPORTED_OS);
        return;
    }

    system.RescanHardware();
    std::wstring commandLine = DpinstCommandLine(selection);
    const std::optional<std::uint32_t> exitCode = system.LaunchAndWait(selection.InstallerPath, commandLine);
    if (!exitCode) {
        system.PostOutcome(INSTALL_RESULT_FAILED);
        return;
    }
    if (selection.VersionCode == 10) {
        // Windows 10 keeps the old driver bound until the card is detected anew,
        // so whatever DPInst reports, drop the node and let the rescan find it.
        system.RemoveCardDevice();
    } else if ((*exitCode & 0xFF) == 0) {
        // The low byte counts packages installed on a device: none means failure.
        system.PostOutcome(INSTALL_RESULT_FAILED);
        return;
    }
    system.RescanHardware();
    system.PostOutcome(INSTALL_RESULT_SUCCESS);
}

}  // namespace engine
