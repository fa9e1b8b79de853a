#pragma once
// How an update brings the adapter drop-down list in step with the enumeration.
#include <functional>
#include <string>
#include <vector>

enum class ComboRefresh {
    Clear,   // no adapter: empty the list
    Refill,  // count or some text differs: rebuild and select the shown adapter
    Keep,    // same adapters: leave the list and the user's selection alone
};

// `itemCount` items in the list now; `itemText(i)` reads item i, only while the
// counts agree and only up to the first text that differs.
ComboRefresh DecideComboRefresh(int interfaceCount, int itemCount, const std::vector<std::wstring>& descriptions,
                                const std::function<std::wstring(int)>& itemText);

// Choosing is pointless with one adapter.
constexpr bool ComboEnabledFor(int interfaceCount) noexcept { return interfaceCount > 1; }
