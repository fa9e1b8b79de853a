#include "wlanstat/ui/adapter_combo_rule.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::wstring>;

// Decides for a list holding `items`; `read` collects the items the rule read.
ComboRefresh Decide(const Texts& items, int interfaceCount, const Texts& descriptions,
                    std::vector<int>* read = nullptr) {
    return DecideComboRefresh(interfaceCount, static_cast<int>(items.size()), descriptions, [&](int i) {
        if (read != nullptr) read->push_back(i);
        return items.at(static_cast<std::size_t>(i));
    });
}

}  // namespace

TEST(AdapterComboRule, NoAdapterClearsWhateverTheList) {
    EXPECT_EQ(Decide({L"A"}, 0, {L"A"}), ComboRefresh::Clear);
    EXPECT_EQ(Decide({}, -1, {}), ComboRefresh::Clear);
}

TEST(AdapterComboRule, DifferentCountsRefillWithoutReadingAnItem) {
    std::vector<int> read;
    EXPECT_EQ(Decide({L"A"}, 1, {L"A", L"B"}, &read), ComboRefresh::Refill);
    EXPECT_EQ(Decide({}, 1, {L"A"}, &read), ComboRefresh::Refill);
    // Items left over while the enumeration kept none: they must go.
    EXPECT_EQ(Decide({L"A", L"B"}, 1, {}, &read), ComboRefresh::Refill);
    EXPECT_TRUE(read.empty());
}

TEST(AdapterComboRule, SameCountRefillsAtTheFirstDifferentText) {
    std::vector<int> read;
    EXPECT_EQ(Decide({L"A", L"B", L"C"}, 3, {L"A", L"x", L"C"}, &read), ComboRefresh::Refill);
    EXPECT_EQ(read, (std::vector<int>{0, 1}));
    EXPECT_EQ(Decide({L"A", L"B"}, 2, {L"B", L"A"}), ComboRefresh::Refill);
    EXPECT_EQ(Decide({L"adapter"}, 1, {L"Adapter"}), ComboRefresh::Refill);
    EXPECT_EQ(Decide({L"A"}, 1, {L"A "}), ComboRefresh::Refill);
}

TEST(AdapterComboRule, EqualListsAreKept) {
    EXPECT_EQ(Decide({L"A", L"A"}, 2, {L"A", L"A"}), ComboRefresh::Keep);
    EXPECT_EQ(Decide({L"무선 어댑터"}, 1, {L"무선 어댑터"}), ComboRefresh::Keep);
    EXPECT_EQ(Decide({}, 1, {}), ComboRefresh::Keep);
}

TEST(AdapterComboRule, EnabledOnlyForMoreThanOneAdapter) {
    EXPECT_FALSE(ComboEnabledFor(0));
    EXPECT_FALSE(ComboEnabledFor(1));
    EXPECT_TRUE(ComboEnabledFor(2));
}
