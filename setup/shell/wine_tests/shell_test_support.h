#pragma once
// What the installer's in-process window tests share: the installing page's
// worker seam with a recording stand-in, the frame and its pages as a fixture,
// and the answering of the installer's message boxes.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "framework/afxwin.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/frame_dlg.h"
#include "setup/shell/installer_app.h"
#include "setup/shell/installing_page.h"
#include "setup/shell/page_manager.h"
#include "setup/shell/result_page.h"
#include "tests/support/box_answerer.h"
#include "tests/support/message_pump.h"

// The installing page's seam: which worker it starts.
struct InstallingPageTestAccess {
    static void UseWorker(CNotiLowVersion& page, CNotiLowVersion::WorkerStarter start) { page.m_startWorker = start; }
};

namespace shell_test {

inline std::atomic<int> g_workerLaunches{0};  // threads the page asked for
inline std::atomic<int> g_workerStarts{0};    // of those, the ones that have run
inline std::atomic<void*> g_workerArgument{nullptr};

inline DWORD WINAPI RecordingWorker(LPVOID argument) {
    g_workerArgument = argument;
    ++g_workerStarts;
    return 0;
}

inline HANDLE StartRecordingWorker(InstallResultTarget* target) {
    ++g_workerLaunches;
    return ::CreateThread(nullptr, 0, &RecordingWorker, target, 0, nullptr);
}

inline HANDLE NoThread(InstallResultTarget*) { return nullptr; }

using testpump::PumpPending;
using testpump::PumpUntil;

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

// Answers the next installer message box other than `frame` with `button`.
class BoxAnswerer : public testpump::BoxAnswerer {
public:
    BoxAnswerer(HWND frame, int button) : testpump::BoxAnswerer([frame] { return FindMessageBox(frame); }, button) {}
};

struct TestApp : CWinApp {
    TestApp() { SetAppName(kInstallerName); }
};

// The frame as setup makes it, visible, with its pages and the recording worker.
class ShellWindows : public ::testing::Test {
protected:
    void SetUp() override {
        g_workerLaunches = 0;
        g_workerStarts = 0;
        g_workerArgument = nullptr;
        app.m_pMainWnd = &frame;
        ASSERT_TRUE(frame.Create(IDD_FRAME));  // visible: its first show makes the pages
        ASSERT_NE(g_pPrevMgr, nullptr);
        InstallingPageTestAccess::UseWorker(*installing(), &StartRecordingWorker);
        PumpPending();
    }
    void TearDown() override {
        if (::IsWindow(frame.m_hWnd)) frame.DestroyWindow();
        delete g_pPrevMgr;
        g_pPrevMgr = nullptr;
        PumpPending();
    }
    CNotiLowVersion* installing() { return static_cast<CNotiLowVersion*>(g_pPrevMgr->Page(0)); }
    CRespFail* result() { return static_cast<CRespFail*>(g_pPrevMgr->Page(1)); }
    CIntro& intro() { return frame.m_intro; }
    // "다음 >" on the intro: the page gives way to the installing page (or, when
    // no worker starts, the result page).
    void PressNext() {
        intro().SendMessage(WM_COMMAND, MAKEWPARAM(IDC_NEXT, BN_CLICKED),
                            reinterpret_cast<LPARAM>(::GetDlgItem(intro().m_hWnd, IDC_NEXT)));
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(intro().m_hWnd); }));
    }
    // The worker's outcome arrives; the result page takes over.
    void Deliver(WPARAM outcome) {
        installing()->PostMessage(WM_INSTALL_RESULT, outcome, 0);
        EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(result()->m_hWnd) && !::IsWindowVisible(installing()->m_hWnd); }));
    }

    TestApp app;
    CNorvikDlg frame;
};

}  // namespace shell_test
