#pragma once
// Whether this test runs under Wine, for the few expectations that encode a
// documented Wine fact and are answered otherwise on Windows.
#include <windows.h>

namespace testfiles {

inline bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace testfiles
