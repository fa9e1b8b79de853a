#pragma once
// Loads system DLLs from System32 only. Both programs run elevated, often from a
// download folder: a DLL planted beside the executable must never be picked up.
#include <windows.h>

namespace fw {

// Loads `name` (e.g. L"wlanapi.dll") from the System32 folder, never from the
// application folder or the search path. Returns nullptr on failure. The module
// stays loaded for the life of the process.
HMODULE LoadSystemDll(const wchar_t* name) noexcept;

// Resolves `proc` from a System32 DLL into a typed function pointer; nullptr when
// the DLL or the entry point is missing.
template <typename Fn>
Fn SystemProc(const wchar_t* dll, const char* proc) noexcept {
    HMODULE module = LoadSystemDll(dll);
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, proc)));
}

}  // namespace fw
