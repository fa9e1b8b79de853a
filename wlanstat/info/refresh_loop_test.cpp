#include "wlanstat/info/refresh_loop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "wlanstat/info/test_support/info_fakes.h"

namespace wlanstat {
namespace {

using namespace std::chrono_literals;
using fakes::G;

class TextHost : public StatusHost {
public:
    HWND__* StatusWindow() const override { return nullptr; }
    std::wstring AdapterItemText(int index) override { return index == 1 ? L"Second" : L"First"; }
};

// Plays the dialog's side of the hand-off; can hold the worker inside it.
class ScriptedSender : public StatusSender {
public:
    explicit ScriptedSender(StatusMembers* dialog) : dialog_(dialog) {}
    void SendStatusUpdated() override {
        std::unique_lock<std::mutex> lock(m_);
        ++sends;
        if (dialog_ != nullptr) {
            seen.push_back(dialog_->liveStatus);
            shownGuid = dialog_->selectedGuid;
        }
        inside = true;
        cv_.notify_all();
        cv_.wait(lock, [&] { return !hold; });
        inside = false;
    }
    void WaitInside() {
        std::unique_lock<std::mutex> lock(m_);
        cv_.wait(lock, [&] { return inside; });
    }
    void WaitSends(int n) {
        std::unique_lock<std::mutex> lock(m_);
        cv_.wait(lock, [&] { return sends >= n; });
    }
    void Release() {
        std::lock_guard<std::mutex> lock(m_);
        hold = false;
        cv_.notify_all();
    }

    bool hold = false;
    bool inside = false;
    int sends = 0;
    std::vector<AdapterStatus> seen;
    Guid shownGuid;

private:
    StatusMembers* dialog_;
    std::mutex m_;
    std::condition_variable cv_;
};

// Service waits that the link can cut short, as on the real system.
class LinkClock : public WaitClock {
public:
    explicit LinkClock(WorkerLink& link) : link_(link) {}
    std::uint32_t Ticks() override { return 0; }
    bool Sleep(std::uint32_t ms) override {
        sleeping = true;
        return link_.Pause(std::chrono::milliseconds(ms));
    }
    std::atomic<bool> sleeping{false};

private:
    WorkerLink& link_;
};

struct Loop : ::testing::Test {
    fakes::FakeSystem sys;
    TextHost host;
    std::unique_ptr<StatusMembers> dialog = std::make_unique<StatusMembers>(host);
    std::shared_ptr<WorkerLink> link = dialog->workerLink;

    void SetUp() override {
        sys.wlan.interfaces = {{G(1), L"First", 0}, {G(2), L"Second", 0}};
    }
    std::thread Start(StatusSender& sender, InfoPlatform& platform, std::chrono::milliseconds pause) {
        return std::thread([this, &sender, &platform, pause] {
            RunRefreshLoop(*dialog, *link, platform, sender, pause);
            link->MarkExited();
        });
    }
};

TEST_F(Loop, EachCycleHandsOverAWholeRecordAndAppliesThePickNextCycle) {
    ScriptedSender sender(dialog.get());
    sender.hold = true;
    std::thread worker = Start(sender, sys.platform, 1ms);
    sender.WaitInside();
    dialog->SyncSelection(0, 1);  // the user picks "Second" while the first record is shown
    sender.Release();
    sender.WaitSends(2);
    link->Stop();
    worker.join();
    ASSERT_GE(sender.seen.size(), 2u);
    EXPECT_EQ(sender.seen[0].interfaceCount, 2);
    EXPECT_EQ(sender.seen[0].connected, 0);
    EXPECT_EQ(sender.seen[0].description, L"");
    EXPECT_EQ(dialog->selectedGuid, G(2));
    EXPECT_EQ(dialog->pendingGuid, kNullGuid);
    EXPECT_EQ(sender.shownGuid, G(2));
}

TEST_F(Loop, StopDuringThePauseEndsTheLoopAtOnce) {
    ScriptedSender sender(dialog.get());
    std::thread worker = Start(sender, sys.platform, 60s);
    sender.WaitSends(1);
    const auto t0 = std::chrono::steady_clock::now();
    link->Stop();
    worker.join();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 5s);
    EXPECT_EQ(sender.sends, 1);
    EXPECT_TRUE(link->Exited());
}

TEST_F(Loop, DialogDestroyedWhileTheWorkerIsInsideTheHandOff) {
    // The worker is held inside the send; the dialog stops and is destroyed.
    // AddressSanitizer reports any later touch of the dialog.
    ScriptedSender sender(nullptr);
    sender.hold = true;
    std::thread worker = Start(sender, sys.platform, 1ms);
    sender.WaitInside();
    EXPECT_TRUE(link->Sending());
    link->Stop();
    dialog.reset();
    sender.Release();
    worker.join();
    EXPECT_EQ(sender.sends, 1);
    EXPECT_FALSE(link->Sending());
}

TEST_F(Loop, StopDuringTheServiceWaitEndsTheCycleAndTheLoop) {
    LinkClock clock(*link);
    InfoPlatform platform{sys.wlan, sys.scm, clock, sys.ip, sys.counters, sys.ansi};
    sys.wlan.openResults = {kErrorServiceNotActive};
    sys.scm.states = {{1, 0}, {2, 60000}};  // asks for a minute's pause
    ScriptedSender sender(dialog.get());
    std::thread worker = Start(sender, platform, 1ms);
    while (!clock.sleeping) std::this_thread::sleep_for(1ms);
    const auto t0 = std::chrono::steady_clock::now();
    link->Stop();
    dialog.reset();
    worker.join();
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 5s);
    EXPECT_EQ(sender.sends, 0);
    EXPECT_EQ(sys.log.back(), "scm.close");
}

TEST_F(Loop, DialogDestroyedBetweenCyclesWhileCollecting) {
    // Stop arrives while the cycle is inside a system call: the rest of the cycle
    // runs on the worker's own record and nothing reaches the dialog.
    ScriptedSender sender(nullptr);
    std::atomic<bool> inCall{false}, go{false};
    sys.scm.onQuery = nullptr;
    sys.wlan.openResults = {0};
    struct SlowEnum : fakes::FakeWlan {
        using FakeWlan::FakeWlan;
        std::atomic<bool>* inCall;
        std::atomic<bool>* go;
        bool EnumInterfaces(std::vector<InterfaceInfo>& out) override {
            *inCall = true;
            while (!*go) std::this_thread::sleep_for(1ms);
            return FakeWlan::EnumInterfaces(out);
        }
    } wlan(sys.log);
    wlan.interfaces = sys.wlan.interfaces;
    wlan.inCall = &inCall;
    wlan.go = &go;
    InfoPlatform platform{wlan, sys.scm, sys.clock, sys.ip, sys.counters, sys.ansi};
    std::thread worker = Start(sender, platform, 1ms);
    while (!inCall) std::this_thread::sleep_for(1ms);
    link->Stop();
    dialog.reset();
    go = true;
    worker.join();
    EXPECT_EQ(sender.sends, 0);
    EXPECT_EQ(sys.log.back(), "wlan.close");
}

TEST_F(Loop, OnlyOneWorkerClaimsTheDialogAndNoneAfterStop) {
    std::atomic<int> wins{0};
    std::vector<std::thread> starters;
    for (int i = 0; i < 8; ++i) starters.emplace_back([&] { wins += ClaimWorker(*dialog, *link); });
    for (std::thread& t : starters) t.join();
    EXPECT_EQ(wins, 1);

    TextHost other;
    StatusMembers fresh(other);
    fresh.workerLink->Stop();
    EXPECT_FALSE(ClaimWorker(fresh, *fresh.workerLink));
    EXPECT_EQ(fresh.workerStarted, 0);
}

}  // namespace
}  // namespace wlanstat
