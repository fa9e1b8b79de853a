#pragma once
// The meeting point of the status worker and the dialog that outlives both.
//
// The dialog and the worker share it (std::shared_ptr), so the worker can still
// ask "am I stopped?" after the dialog object is gone. The worker touches the
// dialog's members only inside Enter() sections; Stop() waits for a running
// section to end, so once Stop() returns the worker never touches the dialog
// again and starts no hand-off. Sections never hold the gate across a platform
// call or the hand-off itself, so Stop() waits at most for a few copies.
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace wlanstat {

class WorkerLink {
public:
    // Worker side. An empty lock means "stopped: touch nothing, end".
    std::unique_lock<std::mutex> Enter();

    // Marks the synchronous hand-off as begun and ends the section: the copy
    // before the hand-off and the mark are one step, so Stop() either comes first
    // (no hand-off) or sees it under way.
    void BeginSend(std::unique_lock<std::mutex>& section);
    void EndSend();

    // Waits `ms` or until Stop(); false when stopped.
    bool Pause(std::chrono::milliseconds ms);

    void MarkExited();

    // Dialog side. Idempotent; any thread.
    void Stop();

    bool Stopped() const;
    bool Sending() const;
    bool Exited() const;

private:
    mutable std::mutex gate_;
    std::condition_variable wake_;
    bool stopped_ = false;
    bool sending_ = false;
    bool exited_ = false;
};

}  // namespace wlanstat
