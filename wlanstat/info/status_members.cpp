#include "wlanstat/info/status_members.h"

#include "wlanstat/info/selection.h"

namespace wlanstat {

StatusMembers::StatusMembers(StatusHost& h) : host(h) {}

StatusMembers::~StatusMembers() { workerLink->Stop(); }

void StatusMembers::SyncSelection(int fromWorker, int comboIndex) {
    std::lock_guard<std::mutex> lock(statusLock);
    if (fromWorker != 0) {
        ApplyPendingSelection(selectedGuid, pendingGuid);
        return;
    }
    const std::wstring text = host.AdapterItemText(comboIndex);
    pendingGuid = PendingForDescription(interfaceList, text);
}

}  // namespace wlanstat
