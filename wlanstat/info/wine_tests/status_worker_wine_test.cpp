// The worker and a real window: hand-off, and closing at each awkward moment.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "wlanstat/info/test_support/info_fakes.h"
#include "wlanstat/info/status_worker.h"
#include "wlanstat/info/system_platform.h"
#include "tests/support/message_pump.h"

namespace wlanstat {
namespace {

// Stands in for CLinkViewDlg: a plain window that follows the dialog's contract.
class TestDialog : public StatusHost, public StatusMembers {
public:
    TestDialog() : StatusMembers(static_cast<StatusHost&>(*this)) {
        static const ATOM cls = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"WlanstatWorkerTestHost";
            return RegisterClassW(&wc);
        }();
        EXPECT_NE(cls, 0);
        hwnd = CreateWindowW(L"WlanstatWorkerTestHost", L"host", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                             GetModuleHandleW(nullptr), this);
    }
    ~TestDialog() {
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }

    // Asked once by each worker that goes on to collect, on its own thread.
    HWND__* StatusWindow() const override {
        ++collectors;
        return hwnd;
    }
    std::wstring AdapterItemText(int) override { return {}; }

    HWND hwnd = nullptr;
    mutable std::atomic<int> collectors{0};
    int updates = 0;
    int updatesDuringDestroy = 0;
    bool badParams = false;
    bool destroying = false;
    DWORD stopMs = 0;
    std::function<void()> onUpdate;

private:
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_NCCREATE)
            SetWindowLongPtrW(h, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
        auto* self = reinterpret_cast<TestDialog*>(GetWindowLongPtrW(h, GWLP_USERDATA));
        if (self != nullptr && msg == WM_STATUS_UPDATED) {
            ++self->updates;
            self->updatesDuringDestroy += self->destroying;
            self->badParams |= wp != 0 || lp != 0;
            self->shownStatus = self->liveStatus;
            if (self->onUpdate) self->onUpdate();
            return 0;
        }
        if (self != nullptr && msg == WM_DESTROY) {
            self->destroying = true;
            const DWORD t0 = GetTickCount();
            StopStatusWorker(*self);
            self->stopMs = GetTickCount() - t0;
            self->destroying = false;
        }
        return DefWindowProcW(h, msg, wp, lp);
    }
};

using testpump::kPatienceMs;
using testpump::PumpUntil;
using testpump::WaitUntil;  // without pumping: the worker can reach its send but not complete it

// Whether another thread's SendMessage waits in this thread's queue.
bool SendWaiting() { return (HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) != 0; }

// A cycle that finds the WLAN service stopped and waits for it to start, as
// long as the service asks (a minute), through the real stop-aware clock.
class StuckServiceSystem final : public WorkerSystem {
public:
    StuckServiceSystem(WorkerLink& link, std::atomic<bool>& sleeping) : clock_(link, sleeping) {
        sys_.wlan.openResults = {kErrorServiceNotActive};
        sys_.scm.states = {{1, 0}, {2, 60000}};
    }
    InfoPlatform& Platform() override { return platform_; }

private:
    class WatchedClock final : public WaitClock {
    public:
        WatchedClock(WorkerLink& link, std::atomic<bool>& sleeping) : inner_(link), sleeping_(sleeping) {}
        std::uint32_t Ticks() override { return inner_.Ticks(); }
        bool Sleep(std::uint32_t ms) override {
            sleeping_ = true;
            return inner_.Sleep(ms);
        }

    private:
        LinkWaitClock inner_;
        std::atomic<bool>& sleeping_;
    };
    fakes::FakeSystem sys_;
    WatchedClock clock_;
    InfoPlatform platform_{sys_.wlan, sys_.scm, clock_, sys_.ip, sys_.counters, sys_.ansi};
};

struct Worker : ::testing::Test {
    std::unique_ptr<TestDialog> dialog = std::make_unique<TestDialog>();
    std::shared_ptr<WorkerLink> link = dialog->workerLink;

    // The dialog object goes right after its window, as when the modal run ends.
    void CloseAndCheckWorkerEnds() {
        if (IsWindow(dialog->hwnd)) DestroyWindow(dialog->hwnd);
        // The stop takes a pending hand-off rather than sitting out its 2 s grace.
        EXPECT_LT(dialog->stopMs, 2000u);
        dialog.reset();
        // Every thread started for the dialog has let go of the link: none runs.
        EXPECT_TRUE(PumpUntil([&] { return link.use_count() == 1; }, kPatienceMs));
    }
};

TEST_F(Worker, HandsOverEachCycleSynchronouslyFromOneWorker) {
    StartStatusWorker(*dialog);
    StartStatusWorker(*dialog);  // a second show starts a thread that ends at once
    // Cycles repeat; by then the second thread has let go of the link (the
    // fixture, the dialog and the one collecting worker hold it).
    ASSERT_TRUE(PumpUntil([&] { return dialog->updates >= 3 && link.use_count() == 3; }, kPatienceMs));
    EXPECT_EQ(dialog->collectors.load(), 1) << "more than one worker collects";
    EXPECT_FALSE(dialog->badParams);
    EXPECT_EQ(dialog->workerStarted, 1);
    EXPECT_EQ(dialog->shownStatus.interfaceCount, 0);  // Wine lists no WLAN interface
    CloseAndCheckWorkerEnds();
}

TEST_F(Worker, ClosingBetweenCycles) {
    StartStatusWorker(*dialog);
    ASSERT_TRUE(PumpUntil([&] { return dialog->updates >= 1; }, 10000));
    ASSERT_TRUE(PumpUntil([&] { return !link->Sending(); }));  // the cycle has handed over
    CloseAndCheckWorkerEnds();
}

TEST_F(Worker, ClosingFromInsideTheHandOff) {
    dialog->onUpdate = [&] { DestroyWindow(dialog->hwnd); };
    StartStatusWorker(*dialog);
    ASSERT_TRUE(PumpUntil([&] { return dialog->updates >= 1; }, 10000));
    EXPECT_FALSE(IsWindow(dialog->hwnd));
    CloseAndCheckWorkerEnds();
}

TEST_F(Worker, ClosingWhileTheWorkerWaitsInItsSend) {
    StartStatusWorker(*dialog);
    // Not pumping: the worker gets into SendMessageW and waits there.
    ASSERT_TRUE(WaitUntil([&] { return link->Sending(); }, 10000));
    ASSERT_TRUE(WaitUntil(SendWaiting));  // the send has reached this thread
    EXPECT_EQ(dialog->updates, 0);
    DestroyWindow(dialog->hwnd);
    // The pending hand-off was taken while the window still existed, and no
    // further one follows.
    EXPECT_EQ(dialog->updatesDuringDestroy, 1);
    EXPECT_FALSE(link->Sending());
    CloseAndCheckWorkerEnds();
}

TEST_F(Worker, ClosingDuringTheServiceWait) {
    std::atomic<bool> sleeping{false};
    StartStatusWorker(*dialog, [&](WorkerLink& l) { return std::make_unique<StuckServiceSystem>(l, sleeping); });
    ASSERT_TRUE(PumpUntil([&] { return sleeping.load(); }, kPatienceMs));
    // The service asked for a minute: the worker ends well before that.
    CloseAndCheckWorkerEnds();
}

TEST_F(Worker, DialogClosedBeforeTheThreadRuns) {
    StartStatusWorker(*dialog);
    dialog->workerLink->Stop();  // what WM_DESTROY does, before the thread got going
    CloseAndCheckWorkerEnds();
}

}  // namespace
}  // namespace wlanstat

namespace wlanstat {
namespace {

// Each test below starts this program again on itself, with the moment named in
// the child's environment: the child closes the dialog at that moment and lets
// the process end while the worker is busy; the parent times the child's end.
constexpr wchar_t kChildMoment[] = L"QX_WORKER_CHILD_MOMENT";

// The moment this process is to close at, as a child; empty in the parent.
std::wstring ChildMoment() {
    wchar_t moment[32] = {};
    const DWORD n = GetEnvironmentVariableW(kChildMoment, moment, 32);
    return n > 0 && n < 32 ? moment : L"";
}

// The child's part: a dialog closed at `moment`, the process left to end.
void CloseAt(const std::wstring& moment) {
    auto dialog = std::make_unique<TestDialog>();
    std::atomic<bool> sleeping{false};
    if (moment == L"service-wait") {
        StartStatusWorker(*dialog, [&](WorkerLink& l) { return std::make_unique<StuckServiceSystem>(l, sleeping); });
        ASSERT_TRUE(PumpUntil([&] { return sleeping.load(); }));
    } else {
        StartStatusWorker(*dialog);
        std::shared_ptr<WorkerLink> link = dialog->workerLink;
        ASSERT_TRUE(WaitUntil([&] { return link->Sending(); }));
    }
    DestroyWindow(dialog->hwnd);
    dialog.reset();
}

// Runs test `test` of this program as a child closing at `moment`; returns its
// exit code and how long the process lived.
DWORD RunChild(const wchar_t* test, const wchar_t* moment, DWORD& ms) {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring line = L"\"" + std::wstring(exe) + L"\" --gtest_filter=ProcessEnd." + test;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    SetEnvironmentVariableW(kChildMoment, moment);
    const BOOL started = CreateProcessW(exe, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    SetEnvironmentVariableW(kChildMoment, nullptr);
    if (!started) return 999;
    CloseHandle(pi.hThread);
    const DWORD t0 = GetTickCount();
    DWORD code = 998;
    if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    else TerminateProcess(pi.hProcess, 997);
    ms = GetTickCount() - t0;
    CloseHandle(pi.hProcess);
    return code;
}

TEST(ProcessEnd, ClosingDuringTheServiceWaitEndsTheProcessPromptly) {
    if (const std::wstring moment = ChildMoment(); !moment.empty()) return CloseAt(moment);
    DWORD ms = 0;
    EXPECT_EQ(RunChild(L"ClosingDuringTheServiceWaitEndsTheProcessPromptly", L"service-wait", ms), 0u);
    EXPECT_LT(ms, 10000u);  // the service asked for a minute
}

TEST(ProcessEnd, ClosingDuringTheHandOffEndsTheProcessPromptly) {
    if (const std::wstring moment = ChildMoment(); !moment.empty()) return CloseAt(moment);
    DWORD ms = 0;
    EXPECT_EQ(RunChild(L"ClosingDuringTheHandOffEndsTheProcessPromptly", L"hand-off", ms), 0u);
    EXPECT_LT(ms, 10000u);
}

}  // namespace
}  // namespace wlanstat
