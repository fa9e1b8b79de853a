#include "setup/engine/win32_install_system.h"

#include <vector>

#include "framework/system_dll.h"
#include "framework/unique_handle.h"
#include "setup/engine/install_result.h"
#include "setup/engine/installer_hold.h"
#include "setup/engine/installer_signature.h"
#include "setup/engine/pnp_routines.h"
#include "setup/engine/system32_first.h"
#include "setup/engine/win32_installer_files.h"

namespace engine {

bool Win32InstallSystem::ModulePath(std::wstring& path) {
    constexpr DWORD kChars = 32768;  // the longest path Windows knows, plus terminator
    std::vector<wchar_t> buffer(kChars, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), kChars);
    if (length == 0 || length >= kChars) return false;
    path.assign(buffer.data(), length);
    return true;
}

std::uint16_t Win32InstallSystem::NativeArchitecture() {
    SYSTEM_INFO info{};
    GetNativeSystemInfo(&info);
    return info.wProcessorArchitecture;
}

WindowsVersion Win32InstallSystem::QueryVersion() { return fw::QueryWindowsVersion(); }

void Win32InstallSystem::RescanHardware() { ::RescanHardware(); }

std::optional<std::uint32_t> Win32InstallSystem::LaunchAndWait(const std::wstring& installerPath,
                                                                std::wstring& commandLine) {
    // Setup runs elevated from a folder that any program of the user may write to:
    // hold the file from the check until the process exists, so that the file
    // checked is the file that starts, and start it by its resolved path.
    Win32InstallerFiles files(installerPath);
    const std::optional<InstallerOpenAs> held = HoldInstaller(files);
    if (!held || CheckInstallerSignature(files.Handle(*held), installerPath) != InstallerTrust::Genuine) {
        return std::nullopt;
    }
    const std::wstring image = InstallerLaunchName(files, *held);
    if (image.empty()) return std::nullopt;
    // DPInst finds its package by the absolute /path; its current folder is one a
    // standard user cannot fill with files.
    const std::wstring systemFolder = fw::SystemFolder();
    if (systemFolder.empty()) return std::nullopt;

    // dwFlags stays 0: DPInst decides how to show its own window. Systems before
    // Windows 10 1607 refuse the System32-first request: start without it there.
    System32FirstStartup system32First;
    PROCESS_INFORMATION started{};
    bool created = system32First.Ready() &&
                   CreateProcessW(image.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                  EXTENDED_STARTUPINFO_PRESENT, nullptr, systemFolder.c_str(), system32First.Startup(),
                                  &started);
    if (!created) {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        created = CreateProcessW(image.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 systemFolder.c_str(), &startup, &started);
    }
    if (!created) return std::nullopt;
    const fw::UniqueHandle process(started.hProcess);
    const fw::UniqueHandle thread(started.hThread);
    // DPInst may ask the user questions: no time-out.
    const bool ended = WaitForSingleObject(process.get(), INFINITE) == WAIT_OBJECT_0;
    DWORD exitCode = 0;
    const bool read = GetExitCodeProcess(process.get(), &exitCode) != FALSE;
    return FinishedExitCode(ended, read, exitCode);
}

void Win32InstallSystem::RemoveCardDevice() { ::RemoveCardDevice(); }

void Win32InstallSystem::PostOutcome(InstallOutcome outcome) {
    // The page's window is read only now: it may have been recreated meanwhile.
    if (page_ == nullptr) return;
    PostMessageW(page_->ResultWindow(), WM_INSTALL_RESULT, outcome, 0);
}

}  // namespace engine
