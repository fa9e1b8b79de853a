#pragma once
// Where a test finds a build output that it starts or copies (a program, a
// stand-in, a DLL to plant). The build names each by its path on the build
// machine; the Windows test pack (tools/windows-tests.sh) puts each beside the
// test instead, where no build tree exists.
#include <windows.h>

#include <string>

namespace testfiles {

inline std::wstring Wide(const char* utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), n);
    wide.resize(wide.size() - 1);
    return wide;
}

// The folder of this test's executable.
inline std::wstring OwnFolder() {
    wchar_t self[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring path(self, n < MAX_PATH ? n : 0);
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

// The file of that name beside this test when there is one; otherwise the
// build machine's path as Wine sees it (the host root is Z:).
inline std::wstring BuildOutput(const char* hostPath) {
    std::wstring path = Wide(hostPath);
    for (auto& c : path) {
        if (c == L'/') c = L'\\';
    }
    const std::wstring beside = OwnFolder() + path.substr(path.find_last_of(L'\\') + 1);
    if (GetFileAttributesW(beside.c_str()) != INVALID_FILE_ATTRIBUTES) return beside;
    return L"Z:" + path;
}

}  // namespace testfiles
