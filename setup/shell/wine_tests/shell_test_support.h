#pragma once
// What the installer's in-process window tests share: the installing page's
// worker seam with a recording stand-in, a message pump, and the answering of
// the installer's message boxes.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "setup/shell/installer_app.h"
#include "setup/shell/installing_page.h"
#include "tests/support/message_pump.h"

// The installing page's seam: which worker it starts.
struct InstallingPageTestAccess {
    static void UseWorker(CNotiLowVersion& page, CNotiLowVersion::WorkerStarter start) { page.m_startWorker = start; }
};

namespace shell_test {

inline std::atomic<int> g_workerStarts{0};
inline std::atomic<void*> g_workerArgument{nullptr};

inline DWORD WINAPI RecordingWorker(LPVOID argument) {
    g_workerArgument = argument;
    ++g_workerStarts;
    return 0;
}

inline HANDLE StartRecordingWorker(InstallResultTarget* target) {
    return ::CreateThread(nullptr, 0, &RecordingWorker, target, 0, nullptr);
}

inline HANDLE NoThread(InstallResultTarget*) { return nullptr; }

// Dispatches this thread's messages for `ms` milliseconds.
inline void Pump(DWORD ms = 50) { testpump::Pump(ms); }

// A message box of the installer in this process: a dialog-class top-level
// window captioned with the application name that is not `except`.
inline HWND FindMessageBox(HWND except) {
    struct Search {
        HWND except, found;
    } s{except, nullptr};
    ::EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            wchar_t cls[32] = {}, title[64] = {};
            ::GetClassNameW(h, cls, 32);
            ::GetWindowTextW(h, title, 64);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(h, &pid);
            if (h != s->except && pid == ::GetCurrentProcessId() && ::IsWindowVisible(h) &&
                std::wstring(cls) == L"#32770" &&
                std::wstring(title) == kInstallerName) {
                s->found = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

// Answers the next installer message box with `button`; reports its text.
class BoxAnswerer {
public:
    BoxAnswerer(HWND frame, int button) {
        thread_ = std::thread([this, frame, button] {
            for (int i = 0; i < 500; ++i) {
                if (HWND box = FindMessageBox(frame)) {
                    wchar_t buf[128] = {};
                    ::GetWindowTextW(::GetDlgItem(box, 0xFFFF), buf, 128);
                    text = buf;
                    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                    return;
                }
                ::Sleep(10);
            }
        });
    }
    ~BoxAnswerer() { Join(); }
    void Join() {
        if (thread_.joinable()) thread_.join();
    }
    std::wstring text;

private:
    std::thread thread_;
};

struct TestApp : CWinApp {
    TestApp() { SetAppName(kInstallerName); }
};

}  // namespace shell_test
