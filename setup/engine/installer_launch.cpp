#include "setup/engine/installer_launch.h"

#include <array>
#include <cwctype>
#include <string_view>

namespace engine {

namespace {

constexpr std::uint32_t kDirectory = 0x10;            // FILE_ATTRIBUTE_DIRECTORY
constexpr std::uint32_t kReparsePoint = 0x400;        // FILE_ATTRIBUTE_REPARSE_POINT
constexpr std::uint32_t kNameSurrogate = 0x20000000;  // the bit IsReparseTagNameSurrogate tests
constexpr std::uint32_t kAppExecLink = 0x8000001B;    // IO_REPARSE_TAG_APPEXECLINK
constexpr std::size_t kMaxPath = 260;                 // MAX_PATH, terminator included

constexpr std::wstring_view kLong = L"\\\\?\\";
constexpr std::wstring_view kLongUnc = L"\\\\?\\UNC\\";

bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// Names that Win32 turns into a device when they end an ordinary path.
bool IsDeviceName(std::wstring_view name) {
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && name.back() == L' ') name.remove_suffix(1);
    std::wstring upper(name);
    for (auto& c : upper) c = static_cast<wchar_t>(std::towupper(c));
    static constexpr std::array<std::wstring_view, 6> kFixed = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    for (const auto fixed : kFixed) {
        if (upper == fixed) return true;
    }
    return upper.size() == 4 && (upper.starts_with(L"COM") || upper.starts_with(L"LPT")) && upper[3] >= L'0' &&
           upper[3] <= L'9';
}

// Whether Win32 parses `path` (components after the volume) back to the same
// names: no empty, "." or ".." component, none ending in a dot or a blank (Win32
// strips those), no forward slash, no device name at the end.
bool ParsesUnchanged(std::wstring_view path) {
    if (path.find(L'/') != std::wstring_view::npos) return false;
    std::wstring_view last;
    while (!path.empty()) {
        const std::size_t slash = path.find(L'\\');
        const std::wstring_view part = path.substr(0, slash);
        if (part.empty() || part.back() == L'.' || part.back() == L' ') return false;
        last = part;
        path = slash == std::wstring_view::npos ? std::wstring_view() : path.substr(slash + 1);
    }
    return !last.empty() && !IsDeviceName(last);
}

// The ordinary form of a \\?\ name, or the name itself where no ordinary form
// names the file; empty when `resolved` is no \\?\ name of a file.
std::wstring OrdinaryForm(const std::wstring& resolved) {
    const std::wstring_view name(resolved);
    if (!name.starts_with(kLong) || name.size() == kLong.size()) return {};
    std::wstring ordinary;
    std::wstring_view rest;
    if (name.starts_with(kLongUnc)) {
        // \\?\UNC\server\share\path: server and share must both be there.
        rest = name.substr(kLongUnc.size());
        const std::size_t server = rest.find(L'\\');
        const std::size_t share = server == std::wstring_view::npos ? server : rest.find(L'\\', server + 1);
        if (server == 0 || share == std::wstring_view::npos || share == server + 1) return resolved;
        ordinary = L"\\\\" + std::wstring(rest.substr(0, share + 1));
        rest = rest.substr(share + 1);
    } else if (name.size() > kLong.size() + 3 && IsLetter(name[4]) && name[5] == L':' && name[6] == L'\\') {
        ordinary = std::wstring(name.substr(4, 3));
        rest = name.substr(7);
    } else {
        return resolved;  // \\?\Volume{...}\, \\?\GLOBALROOT\...: no drive letter names it
    }
    if (!ParsesUnchanged(rest)) return resolved;
    ordinary += rest;
    // Longer, only programs that declare long paths could be started by it.
    return ordinary.size() < kMaxPath ? ordinary : resolved;
}

}  // namespace

InstallerOpen InstallerOpenFor(std::uint32_t attributes, std::uint32_t reparseTag) {
    if (attributes & kDirectory) return InstallerOpen::Refuse;
    if (!(attributes & kReparsePoint)) return InstallerOpen::Plain;
    // An app execution alias starts another program, though its tag claims no other name.
    if ((reparseTag & kNameSurrogate) || reparseTag == kAppExecLink) return InstallerOpen::Refuse;
    return InstallerOpen::Reopen;
}

std::wstring LaunchName(const std::wstring& normalized, const std::wstring& opened) {
    std::wstring name = OrdinaryForm(normalized);
    return name.empty() ? OrdinaryForm(opened) : name;
}

}  // namespace engine
