#include "framework/system_dll.h"

#include <string>

namespace fw {
namespace {

using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);

// Resolved at run time: Windows 7 has it only with KB2533623, and a static
// import of it would keep the programs from starting without the update.
// Callable before the C run-time is set up: no static objects, no allocation
// (so not SystemProc, which builds the System32 path in a string).
SetDefaultDllDirectoriesFn FindSetDefaultDllDirectories() noexcept {
    HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    if (kernel32 == nullptr) return nullptr;
    return reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel32, "SetDefaultDllDirectories")));
}

}  // namespace

DllSearch HardenDllSearch() noexcept {
    if (const auto setDefault = FindSetDefaultDllDirectories();
        setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        return DllSearch::System32Only;
    }
    // Without the update the application folder stays first in the search and
    // nothing a program does can change that; the current folder at least goes.
    // Our own loads name the System32 path in full either way.
    SetDllDirectoryW(L"");
    return DllSearch::NoCurrentFolder;
}

void PreloadSystemDlls() noexcept {
    // Not Known DLLs, so nothing else keeps a copy beside the program out:
    // themes and composition (uxtheme, dwmapi, msimg32), the version and
    // profile helpers that the shell and the security code load (version,
    // cryptbase, userenv, profapi, propsys), and setupapi, which Wine's
    // configuration manager forwards to.
    static constexpr const wchar_t* kByName[] = {
        L"uxtheme.dll", L"dwmapi.dll",  L"msimg32.dll", L"version.dll", L"cryptbase.dll",
        L"userenv.dll", L"profapi.dll", L"propsys.dll", L"setupapi.dll",
    };
    for (const wchar_t* name : kByName) LoadSystemDll(name);
}

bool SearchFlagsSupported() noexcept {
    // The update that adds SetDefaultDllDirectories teaches LoadLibraryExW the
    // LOAD_LIBRARY_SEARCH_* flags; older systems reject them as invalid.
    return FindSetDefaultDllDirectories() != nullptr;
}

std::wstring SystemFolder() {
    wchar_t dir[MAX_PATH];
    const UINT n = GetSystemDirectoryW(dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    return std::wstring(dir, n);
}

HMODULE LoadSystemDll(const wchar_t* name) noexcept {
    // The full path keeps a module of the same name loaded from elsewhere from
    // being handed back; the flag makes the DLL's own dependencies come from
    // System32 as well. Without the flag, the altered search path starts their
    // search in System32, the DLL's folder.
    std::wstring path = SystemFolder();
    if (path.empty()) return nullptr;
    path += L'\\';
    path += name;
    const DWORD flags = SearchFlagsSupported() ? LOAD_LIBRARY_SEARCH_SYSTEM32 : LOAD_WITH_ALTERED_SEARCH_PATH;
    return LoadLibraryExW(path.c_str(), nullptr, flags);
}

}  // namespace fw
