#include "wlanstat/info/selection.h"

namespace wlanstat {

void ApplyPendingSelection(Guid& selectedGuid, Guid& pendingGuid) {
    if (IsNullGuid(pendingGuid) || pendingGuid == selectedGuid) return;
    selectedGuid = pendingGuid;
    pendingGuid = kNullGuid;
}

Guid PendingForDescription(const std::vector<InterfaceInfo>& list, const std::wstring& text) {
    for (const InterfaceInfo& entry : list)
        if (entry.strInterfaceDescription == text) return entry.InterfaceGuid;
    return kNullGuid;
}

void SettleSelection(const std::vector<InterfaceInfo>& list, Guid& selectedGuid,
                     std::int32_t& selectedIndex) {
    if (!IsNullGuid(selectedGuid)) {
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (list[i].InterfaceGuid == selectedGuid) {
                selectedIndex = static_cast<std::int32_t>(i);
                return;
            }
        }
    }
    selectedIndex = 0;
    selectedGuid = list.empty() ? kNullGuid : list.front().InterfaceGuid;
}

void ResetSelection(Guid& selectedGuid, std::int32_t& selectedIndex) {
    selectedGuid = kNullGuid;
    selectedIndex = 0;
}

}  // namespace wlanstat
