#include "wlanstat/info/refresh_loop.h"

#include <utility>

#include "wlanstat/info/selection.h"

namespace wlanstat {

bool GuardedSelection::ResetShown() {
    auto section = link_.Enter();
    if (!section) return false;
    std::lock_guard<std::mutex> lock(dialog_.statusLock);
    ResetSelection(dialog_.selectedGuid, dialog_.selectedIndex);
    return true;
}

bool GuardedSelection::AdoptInterfaces(std::vector<InterfaceInfo>& list, Guid& shown,
                                       std::int32_t& shownState) {
    auto section = link_.Enter();
    if (!section || list.empty()) return false;
    std::lock_guard<std::mutex> lock(dialog_.statusLock);
    dialog_.interfaceList.swap(list);
    SettleSelection(dialog_.interfaceList, dialog_.selectedGuid, dialog_.selectedIndex);
    shown = dialog_.selectedGuid;
    shownState = dialog_.interfaceList[static_cast<std::size_t>(dialog_.selectedIndex)].isState;
    return true;
}

bool ClaimWorker(StatusMembers& dialog, WorkerLink& link) {
    auto section = link.Enter();
    return section && dialog.workerStarted.exchange(1) == 0;
}

bool CollectOnce(StatusMembers& dialog, WorkerLink& link, InfoPlatform& platform, SharedSelection& selection,
                 AdapterStatus& collected) {
    {
        auto section = link.Enter();
        if (!section) return false;
        dialog.SyncSelection(1, 0);
    }
    ClearStatus(collected);
    QueryAdapterStatus(platform, selection, collected);
    return true;
}

void RunRefreshLoop(StatusMembers& dialog, WorkerLink& link, InfoPlatform& platform,
                    StatusSender& sender, std::chrono::milliseconds pause) {
    GuardedSelection selection(dialog, link);
    // The worker fills its own record and swaps it in just before the hand-off, so
    // nothing of the dialog is written while a system call runs.
    AdapterStatus collected;
    for (;;) {
        if (!CollectOnce(dialog, link, platform, selection, collected)) return;
        {
            auto section = link.Enter();
            if (!section) return;
            std::swap(dialog.liveStatus, collected);
            link.BeginSend(section);
        }
        sender.SendStatusUpdated();
        link.EndSend();
        if (!link.Pause(pause)) return;
    }
}

}  // namespace wlanstat
