#pragma once
// Chooses the DPInst executable, the driver package folder and the DPInst command
// line for the running machine. Pure: the worker gathers the inputs.
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/windows_version.h"

namespace engine {

// wProcessorArchitecture values that count as a 64-bit machine.
inline constexpr std::uint16_t kArchitectureIa64 = 6;
inline constexpr std::uint16_t kArchitectureAmd64 = 9;

using WindowsVersion = fw::WindowsVersion;

struct PackageSelection {
    std::wstring ModuleDirectory;  // no trailing backslash
    std::wstring InstallerPath;    // ...\drivers\dpinst_x64.exe or _x86.exe
    std::wstring PackageFolder;    // empty when unsupported
    int VersionCode = 0;           // 7, 8, 81 or 10; 0 when unsupported
    bool unsupported = true;
};

// Everything before the last backslash; empty when there is none.
std::wstring ModuleDirectoryOf(std::wstring_view modulePath);

PackageSelection SelectPackage(std::wstring_view modulePath, std::uint16_t architecture,
                               const WindowsVersion& version);

// The DPInst command line for a supported selection; Windows 10 omits /sh.
std::wstring DpinstCommandLine(const PackageSelection& selection);

}  // namespace engine
