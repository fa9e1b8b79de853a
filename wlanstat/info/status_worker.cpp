#include "wlanstat/info/status_worker.h"

#include <memory>
#include <utility>

#include "framework/unique_handle.h"
#include "wlanstat/info/refresh_loop.h"
#include "wlanstat/info/system_platform.h"

namespace wlanstat {

namespace {

// What a new thread gets: the dialog it borrows, and the link that says whether
// it may still touch it.
struct WorkerStart {
    StatusMembers* dialog;
    std::shared_ptr<WorkerLink> link;
    SystemFactory makeSystem;
};

class WindowSender final : public StatusSender {
public:
    explicit WindowSender(HWND window) : window_(window) {}
    void SendStatusUpdated() override { SendMessageW(window_, WM_STATUS_UPDATED, 0, 0); }

private:
    HWND window_;
};

// Longest the closing dialog lets a hand-off already under way finish. It is
// sent to the closing thread's own window, so it normally completes at once.
constexpr DWORD kHandOffGraceMs = 2000;

}  // namespace

void StartStatusWorker(StatusMembers& dialog) { StartStatusWorker(dialog, nullptr); }

void StartStatusWorker(StatusMembers& dialog, SystemFactory makeSystem) {
    auto start = std::make_unique<WorkerStart>(WorkerStart{&dialog, dialog.workerLink, std::move(makeSystem)});
    const fw::UniqueHandle thread(CreateThread(nullptr, 0, StatusWorkerProc, start.get(), 0, nullptr));
    if (!thread) return;
    start.release();
}

DWORD WINAPI StatusWorkerProc(LPVOID param) {
    std::unique_ptr<WorkerStart> start(static_cast<WorkerStart*>(param));
    WorkerLink& link = *start->link;
    if (!ClaimWorker(*start->dialog, link)) return 0;
    HWND window = nullptr;
    {
        auto section = link.Enter();
        if (section) window = start->dialog->host.StatusWindow();
    }
    if (window != nullptr) {
        std::unique_ptr<WorkerSystem> system =
            start->makeSystem ? start->makeSystem(link) : std::make_unique<SystemPlatform>(link);
        WindowSender sender(window);
        RunRefreshLoop(*start->dialog, link, system->Platform(), sender);
    }
    link.MarkExited();
    return 0;
}

void StopStatusWorker(StatusMembers& dialog) {
    WorkerLink& link = *dialog.workerLink;
    link.Stop();
    // Closing from inside OnStatusUpdated: the worker waits for this very handler
    // and is released when it returns; waiting here would only stall.
    if (InSendMessage()) return;
    // A hand-off under way is a WM_STATUS_UPDATED sent to this thread: take it,
    // so the worker leaves SendMessageW before the window goes.
    const DWORD t0 = GetTickCount();
    while (link.Sending() && GetTickCount() - t0 < kHandOffGraceMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace wlanstat
