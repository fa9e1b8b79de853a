// Stand-in for the Driver Package Installer, for tests and the demo media. It
// installs nothing. Controlled by files beside its own executable:
//   dpinst.log   appended to on each run: "command line: <line>" and
//                "directory: <current directory>", UTF-8, CRLF
//   dpinst.exit  exit code to return, decimal or 0x-hex (default 1: one
//                package installed)
//   dpinst.hold  while this file exists, the stand-in keeps running
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

std::wstring OwnDirectory() {
    std::wstring path(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(n);
    const auto slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::string Utf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

void AppendLog(const std::wstring& file, const std::string& text) {
    HANDLE h = CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
}

DWORD ExitCodeFrom(const std::wstring& file) {
    HANDLE h = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 1;
    char text[32] = {};
    DWORD read = 0;
    ReadFile(h, text, sizeof text - 1, &read, nullptr);
    CloseHandle(h);
    return static_cast<DWORD>(strtoul(text, nullptr, 0));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring dir = OwnDirectory();
    std::wstring cwd(32768, L'\0');
    cwd.resize(GetCurrentDirectoryW(static_cast<DWORD>(cwd.size()), cwd.data()));
    AppendLog(dir + L"\\dpinst.log",
              "command line: " + Utf8(GetCommandLineW()) + "\r\ndirectory: " + Utf8(cwd) + "\r\n");
    const DWORD exitCode = ExitCodeFrom(dir + L"\\dpinst.exit");
    const std::wstring hold = dir + L"\\dpinst.hold";
    while (GetFileAttributesW(hold.c_str()) != INVALID_FILE_ATTRIBUTES) Sleep(50);
    return static_cast<int>(exitCode);
}
