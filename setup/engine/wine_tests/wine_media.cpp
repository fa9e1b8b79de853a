#include "setup/engine/wine_tests/wine_media.h"

#include <cstdio>
#include <string>

#include "tests/support/build_output.h"
#include "tests/support/message_pump.h"

namespace {

using testfiles::BuildOutput;

void WriteFileText(const std::wstring& path, const std::string& text) {
    fw::UniqueHandle h(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (h) WriteFile(h.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void DeleteTree(const std::wstring& dir) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = dir + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(dir.c_str());
}

std::wstring AppDefaultsKey(const std::wstring& exe) { return L"Software\\Wine\\AppDefaults\\" + exe; }


void FlipByte(const std::wstring& path, LONG offset) {
    fw::UniqueHandle h(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    unsigned char byte = 0;
    DWORD done = 0;
    if (!h || SetFilePointer(h.get(), offset, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER) return;
    ReadFile(h.get(), &byte, 1, &done, nullptr);
    byte ^= 0x01;
    SetFilePointer(h.get(), offset, nullptr, FILE_BEGIN);
    WriteFile(h.get(), &byte, 1, &done, nullptr);
}

const char* StandInFile(StandIn standIn) {
    switch (standIn) {
        case StandIn::Unsigned: return QX_DPINST_UNSIGNED_EXE;
        case StandIn::Foreign: return QX_DPINST_FOREIGN_EXE;
        case StandIn::StrayRoot: return QX_DPINST_STRAY_ROOT_EXE;
        case StandIn::Signed:
        case StandIn::Altered: return QX_DPINST_EXE;
        case StandIn::None: break;
    }
    return nullptr;
}

// Where the media folders go: QUORIX_MEDIA_ROOT when set (the test pack's FAT32
// and exFAT volumes, or a tester's USB stick), else the temporary folder.
std::wstring MediaBase() {
    wchar_t base[MAX_PATH + 1];
    DWORD n = GetEnvironmentVariableW(L"QUORIX_MEDIA_ROOT", base, MAX_PATH + 1);
    if (n == 0 || n > MAX_PATH) n = GetTempPathW(MAX_PATH + 1, base);
    std::wstring folder(base, n <= MAX_PATH ? n : 0);
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder;
}

}  // namespace

WineMedia::WineMedia(const std::wstring& name, const wchar_t* wineVersion, StandIn standIn) {
    root_ = MediaBase() + L"설치 미디어 " + name + L" " + std::to_wstring(GetCurrentProcessId());
    exeName_ = L"qx_probe_" + name + L".exe";
    DeleteTree(root_);
    CreateDirectoryW(root_.c_str(), nullptr);
    CreateDirectoryW((root_ + L"\\drivers").c_str(), nullptr);
    for (const wchar_t* package : {L"Win7X64", L"Win7X86", L"Win81X64", L"Win81X86", L"Win10X64", L"Win10X86"}) {
        CreateDirectoryW((root_ + L"\\drivers\\" + package).c_str(), nullptr);
    }
    CopyFileW(BuildOutput(QX_PROBE_EXE).c_str(), (root_ + L"\\" + exeName_).c_str(), FALSE);
    if (const char* file = StandInFile(standIn)) {
        CopyFileW(BuildOutput(file).c_str(), StandInPath().c_str(), FALSE);
        // Inside the code, well past the headers: covered by the signed digest.
        if (standIn == StandIn::Altered) FlipByte(StandInPath(), 0x600);
    }
    RegSetKeyValueW(HKEY_CURRENT_USER, AppDefaultsKey(exeName_).c_str(), L"Version", REG_SZ, wineVersion,
                    static_cast<DWORD>((wcslen(wineVersion) + 1) * sizeof(wchar_t)));
}

WineMedia::~WineMedia() {
    RegDeleteTreeW(HKEY_CURRENT_USER, AppDefaultsKey(exeName_).c_str());
    HoldStandIn(false);
    DeleteTree(root_);
}

std::wstring WineMedia::MakeFolder(const std::wstring& name) const {
    const std::wstring path = root_ + L"\\" + name;
    CreateDirectoryW(path.c_str(), nullptr);
    return path;
}

void WineMedia::SetStandInExitCode(const char* text) const { WriteFileText(root_ + L"\\drivers\\dpinst.exit", text); }

void WineMedia::HoldStandIn(bool hold) const {
    const std::wstring path = root_ + L"\\drivers\\dpinst.hold";
    if (hold) {
        WriteFileText(path, "");
    } else {
        DeleteFileW(path.c_str());
    }
}

bool WineMedia::StandInRan() const {
    return GetFileAttributesW((root_ + L"\\drivers\\dpinst.log").c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WineMedia::WaitForStandIn(DWORD milliseconds) const {
    return testpump::WaitUntil([this] { return StandInRan(); }, milliseconds, 50);
}

std::wstring WineMedia::ReadLog() const {
    fw::UniqueHandle h(CreateFileW((root_ + L"\\drivers\\dpinst.log").c_str(), GENERIC_READ,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                   nullptr));
    if (!h) return {};
    std::string bytes(65536, '\0');
    DWORD read = 0;
    ReadFile(h.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    if (read == 0) return {};
    std::wstring text(read, L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(read), text.data(),
                                      static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(n));
    return text;
}

ProcessHandle WineMedia::StartProbe(const std::wstring& cwd) const {
    const std::wstring exe = root_ + L"\\" + exeName_;
    std::wstring commandLine = L"\"" + exe + L"\"";
    const std::wstring dir = cwd.empty() ? root_ : cwd;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    // A start can fail once in a fresh prefix (seen under Wine's cmd, right after
    // the copy): say so and try again; a probe that never starts still fails the test.
    for (int tries = 1; !CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                        dir.c_str(), &startup, &started);
         ++tries) {
        std::fprintf(stderr, "the probe did not start (error %lu, try %d)\n", GetLastError(), tries);
        if (tries == 3) return ProcessHandle();
        Sleep(200);
    }
    CloseHandle(started.hThread);
    return ProcessHandle(started.hProcess);
}

int WineMedia::RunProbe(const std::wstring& cwd) const { return WaitProbe(StartProbe(cwd), 60000); }

int WaitProbe(const ProcessHandle& probe, DWORD milliseconds) {
    if (!probe) return -1;
    if (WaitForSingleObject(probe.get(), milliseconds) != WAIT_OBJECT_0) {
        TerminateProcess(probe.get(), 1);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(probe.get(), &code);
    return static_cast<int>(code);
}
