#include "wlanstat/ui/adapter_combo_rule.h"

ComboRefresh DecideComboRefresh(int interfaceCount, const std::vector<std::wstring>& comboItems,
                                const std::vector<std::wstring>& descriptions) {
    if (interfaceCount <= 0) return ComboRefresh::Clear;
    // Exact, case-sensitive comparison of the code units.
    return comboItems == descriptions ? ComboRefresh::Keep : ComboRefresh::Refill;
}
