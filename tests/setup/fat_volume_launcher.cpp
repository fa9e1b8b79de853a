// Starts setup.exe as a user does and, once its window waits for input, loads
// fat_volume_hook.dll into it: from then on setup's drive answers its file
// queries as a FAT32 or exFAT stick or a CD does on Windows. Prints
// "fat volume: modelled" once that holds, waits for setup and exits with its code.
// Usage: fat_volume_launcher SETUP_EXE HOOK_DLL
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Handle {
    HANDLE h;
    ~Handle() {
        if (h != nullptr && h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};

int Fail(const char* what) {
    std::printf("fat volume: %s failed (error %lu)\n", what, GetLastError());
    std::fflush(stdout);
    return 90;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return Fail("usage");
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        return Fail("starting setup");
    }
    const Handle process{started.hProcess}, thread{started.hThread};
    if (WaitForInputIdle(process.h, 60000) != 0) return Fail("waiting for setup's window");

    const std::wstring dll = argv[2];
    const SIZE_T bytes = (dll.size() + 1) * sizeof(wchar_t);
    void* remote = VirtualAllocEx(process.h, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote == nullptr || !WriteProcessMemory(process.h, remote, dll.c_str(), bytes, nullptr)) {
        return Fail("writing the hook's name");
    }
    // kernel32 sits at the same address in every process of the session.
    auto* load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
    const Handle loader{CreateRemoteThread(process.h, nullptr, 0, load, remote, 0, nullptr)};
    if (loader.h == nullptr) return Fail("starting the loader thread");
    DWORD loaded = 0;
    if (WaitForSingleObject(loader.h, 30000) != WAIT_OBJECT_0 || !GetExitCodeThread(loader.h, &loaded) ||
        loaded == 0) {
        return Fail("loading the hook");
    }
    std::printf("fat volume: modelled\n");
    std::fflush(stdout);
    WaitForSingleObject(process.h, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.h, &code);
    return static_cast<int>(code);
}
