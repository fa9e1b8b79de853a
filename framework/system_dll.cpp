#include "framework/system_dll.h"

#include <string>

namespace fw {

HMODULE LoadSystemDll(const wchar_t* name) noexcept {
    // LOAD_LIBRARY_SEARCH_SYSTEM32 exists on Windows 7 only with KB2533623, so
    // build the full System32 path ourselves: that works everywhere.
    wchar_t dir[MAX_PATH];
    UINT n = GetSystemDirectoryW(dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return nullptr;
    std::wstring path(dir, n);
    path += L'\\';
    path += name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace fw
