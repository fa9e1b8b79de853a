#pragma once
// The status worker's loop: apply the user's pick, collect, hand the record to
// the dialog synchronously, pause, until the dialog stops it.
#include <chrono>

#include "wlanstat/info/collection_cycle.h"
#include "wlanstat/info/status_members.h"

namespace wlanstat {

// The synchronous hand-off: returns after the dialog has taken the record.
class StatusSender {
public:
    virtual void SendStatusUpdated() = 0;

protected:
    ~StatusSender() = default;
};

// The dialog's list and selection, reached only while the worker link is open.
class GuardedSelection : public SharedSelection {
public:
    GuardedSelection(StatusMembers& dialog, WorkerLink& link) : dialog_(dialog), link_(link) {}
    bool ResetShown() override;
    bool AdoptInterfaces(std::vector<InterfaceInfo>& list, Guid& shown, std::int32_t& shownState) override;

private:
    StatusMembers& dialog_;
    WorkerLink& link_;
};

inline constexpr std::chrono::milliseconds kRefreshPause{1000};

// One cycle's collection: applies the user's pick and fills `collected` from the
// system. False, touching nothing, once `link` is stopped.
bool CollectOnce(StatusMembers& dialog, WorkerLink& link, InfoPlatform& platform, SharedSelection& selection,
                 AdapterStatus& collected);

// Runs until `link` is stopped. `dialog` is touched only while the link is open.
void RunRefreshLoop(StatusMembers& dialog, WorkerLink& link, InfoPlatform& platform,
                    StatusSender& sender, std::chrono::milliseconds pause = kRefreshPause);

// The worker's start: only the first caller for a dialog runs the loop (the flag
// is tested and set as one step). False when another worker already runs or the
// dialog is closing.
bool ClaimWorker(StatusMembers& dialog, WorkerLink& link);

}  // namespace wlanstat
