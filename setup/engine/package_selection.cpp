#include "setup/engine/package_selection.h"

namespace engine {
namespace {

struct PackageRow {
    const wchar_t* folder64;
    const wchar_t* folder32;
    int versionCode;
};

// nullptr when the version has no package.
const PackageRow* PackageFor(std::uint32_t major, std::uint32_t minor) {
    static constexpr PackageRow win10{L"\\drivers\\Win10X64", L"\\drivers\\Win10X86", 10};
    static constexpr PackageRow win7{L"\\drivers\\Win7X64", L"\\drivers\\Win7X86", 7};
    static constexpr PackageRow win8{L"\\drivers\\Win81X64", L"\\drivers\\Win81X86", 8};
    static constexpr PackageRow win81{L"\\drivers\\Win81X64", L"\\drivers\\Win81X86", 81};
    if (major == 10) return &win10;
    if (major != 6) return nullptr;
    switch (minor) {
        case 1: return &win7;
        case 2: return &win8;
        case 3: return &win81;
        default: return nullptr;
    }
}

}  // namespace

std::wstring ModuleDirectoryOf(std::wstring_view modulePath) {
    const auto slash = modulePath.rfind(L'\\');
    if (slash == std::wstring_view::npos) return {};
    return std::wstring(modulePath.substr(0, slash));
}

PackageSelection SelectPackage(std::wstring_view modulePath, std::uint16_t architecture,
                               const WindowsVersion& version) {
    PackageSelection s;
    s.ModuleDirectory = ModuleDirectoryOf(modulePath);
    const bool is64 = architecture == kArchitectureAmd64 || architecture == kArchitectureIa64;
    s.InstallerPath = s.ModuleDirectory + (is64 ? L"\\drivers\\dpinst_x64.exe" : L"\\drivers\\dpinst_x86.exe");
    if (version.status != 0) return s;
    const PackageRow* row = PackageFor(version.major, version.minor);
    if (row == nullptr) return s;
    s.PackageFolder = s.ModuleDirectory + (is64 ? row->folder64 : row->folder32);
    s.VersionCode = row->versionCode;
    s.unsupported = false;
    return s;
}

std::wstring DpinstCommandLine(const PackageSelection& selection) {
    // Both paths quoted and inserted as they are: blanks in the folder are safe.
    std::wstring line = L"\"" + selection.InstallerPath + L"\" /q /a /se ";
    if (selection.VersionCode != 10) line += L"/sh ";
    line += L"/f /path \"" + selection.PackageFolder + L"\"";
    return line;
}

}  // namespace engine
