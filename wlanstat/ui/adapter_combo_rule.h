#pragma once
// How an update brings the adapter drop-down list in step with the enumeration.
#include <string>
#include <vector>

enum class ComboRefresh {
    Clear,   // no adapter: empty the list
    Refill,  // count or some text differs: rebuild and select the shown adapter
    Keep,    // same adapters: leave the list and the user's selection alone
};

ComboRefresh DecideComboRefresh(int interfaceCount, const std::vector<std::wstring>& comboItems,
                                const std::vector<std::wstring>& descriptions);

// Choosing is pointless with one adapter.
constexpr bool ComboEnabledFor(int interfaceCount) noexcept { return interfaceCount > 1; }
