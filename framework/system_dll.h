#pragma once
// Loads system DLLs from System32 only. Both programs run elevated, often from a
// download folder: a DLL planted beside the executable must never be picked up.
#include <windows.h>

#include <string>

namespace fw {

// How far HardenDllSearch could narrow the process's DLL search.
enum class DllSearch {
    System32Only,     // SetDefaultDllDirectories: every later load by name searches System32 alone
    NoCurrentFolder,  // Windows 7 without KB2533623: only the current folder is taken out
};

// Narrows the search for every later load by name, ours and the system's. The
// programs call it before anything else runs (see app_main.cpp).
DllSearch HardenDllSearch() noexcept;

// Loads from System32 the DLLs that system components load later by bare name.
// A load by bare name binds to a module already loaded under that name, whatever
// the search order, so this also covers Windows 7 without KB2533623 (where the
// application folder stays first) and loaders that skip the default directories
// for delay-loaded imports and forwarded exports (Wine does). The modules stay
// loaded for the life of the process.
void PreloadSystemDlls() noexcept;

// Whether LoadLibraryExW knows the LOAD_LIBRARY_SEARCH_* flags (Windows 8 and
// later, Windows 7 with KB2533623).
bool SearchFlagsSupported() noexcept;

// The System32 folder, without a trailing backslash; empty on failure.
std::wstring SystemFolder();

// Loads `name` (e.g. L"wlanapi.dll") from the System32 folder, never from the
// application folder or the search path; its own dependencies come from System32
// too. Returns nullptr on failure. The module stays loaded for the life of the
// process.
HMODULE LoadSystemDll(const wchar_t* name) noexcept;

// `proc` of a System32 DLL as an `Fn`; nullptr when the DLL or the entry point is
// missing. Called through FW_SYSTEM_PROC (below).
template <typename Fn>
Fn SystemProc(const wchar_t* dll, const char* proc) noexcept {
    HMODULE module = LoadSystemDll(dll);
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, proc)));
}

// Whether every entry point of a set resolved. A set is used all or none: a
// system that lacks one of them is answered as one that lacks the DLL.
template <typename... Fn>
constexpr bool AllResolved(Fn... procs) noexcept { return ((procs != nullptr) && ...); }

}  // namespace fw

// `fn` of the System32 DLL `dll`, typed as its header declares `fn`, so the name
// and the type cannot drift apart:
//   decltype(&::WlanOpenHandle) open = FW_SYSTEM_PROC(L"wlanapi.dll", WlanOpenHandle);
#define FW_SYSTEM_PROC(dll, fn) ::fw::SystemProc<decltype(&::fn)>(dll, #fn)
