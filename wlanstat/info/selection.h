#pragma once
// The rules that carry the user's adapter choice across cycles. Callers hold
// statusLock.
#include <cstdint>
#include <string>
#include <vector>

#include "wlanstat/info/guid.h"
#include "wlanstat/info/interface_info.h"

namespace wlanstat {

// Worker side: a pending pick that differs from the shown adapter becomes the
// shown one. A pick equal to the shown adapter stays pending.
void ApplyPendingSelection(Guid& selectedGuid, Guid& pendingGuid);

// UI side: the first adapter in list order whose description equals `text`
// exactly; kNullGuid when none does.
Guid PendingForDescription(const std::vector<InterfaceInfo>& list, const std::wstring& text);

// After a fresh enumeration (list not empty): keep the shown adapter when it is
// still listed, else fall back to entry 0.
void SettleSelection(const std::vector<InterfaceInfo>& list, Guid& selectedGuid,
                     std::int32_t& selectedIndex);

// No interface: nothing is shown; the list itself is kept.
void ResetSelection(Guid& selectedGuid, std::int32_t& selectedIndex);

}  // namespace wlanstat
