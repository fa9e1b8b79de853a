#include "wlanstat/ui/adapter_combo_rule.h"

ComboRefresh DecideComboRefresh(int interfaceCount, int itemCount, const std::vector<std::wstring>& descriptions,
                                const std::function<std::wstring(int)>& itemText) {
    if (interfaceCount <= 0) return ComboRefresh::Clear;
    if (itemCount < 0 || static_cast<std::size_t>(itemCount) != descriptions.size()) return ComboRefresh::Refill;
    // Exact, case-sensitive comparison of the code units.
    for (int i = 0; i < itemCount; ++i) {
        if (itemText(i) != descriptions[static_cast<std::size_t>(i)]) return ComboRefresh::Refill;
    }
    return ComboRefresh::Keep;
}
