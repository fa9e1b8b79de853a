#include "wlanstat/ui/adapter_combo_rule.h"

#include <gtest/gtest.h>

TEST(AdapterComboRule, NoAdapterClearsWhateverTheList) {
    EXPECT_EQ(DecideComboRefresh(0, {L"A"}, {L"A"}), ComboRefresh::Clear);
    EXPECT_EQ(DecideComboRefresh(-1, {}, {}), ComboRefresh::Clear);
}

TEST(AdapterComboRule, RefillsOnCountOrTextDifference) {
    EXPECT_EQ(DecideComboRefresh(1, {}, {L"A"}), ComboRefresh::Refill);
    EXPECT_EQ(DecideComboRefresh(1, {L"A", L"B"}, {L"A"}), ComboRefresh::Refill);
    EXPECT_EQ(DecideComboRefresh(2, {L"A", L"B"}, {L"A", L"C"}), ComboRefresh::Refill);
    EXPECT_EQ(DecideComboRefresh(2, {L"A", L"B"}, {L"B", L"A"}), ComboRefresh::Refill);
    EXPECT_EQ(DecideComboRefresh(1, {L"adapter"}, {L"Adapter"}), ComboRefresh::Refill);
    EXPECT_EQ(DecideComboRefresh(1, {L"A"}, {L"A "}), ComboRefresh::Refill);
}

TEST(AdapterComboRule, EqualListsAreKept) {
    EXPECT_EQ(DecideComboRefresh(2, {L"A", L"A"}, {L"A", L"A"}), ComboRefresh::Keep);
    EXPECT_EQ(DecideComboRefresh(1, {L"무선 어댑터"}, {L"무선 어댑터"}), ComboRefresh::Keep);
}

TEST(AdapterComboRule, EnabledOnlyForMoreThanOneAdapter) {
    EXPECT_FALSE(ComboEnabledFor(0));
    EXPECT_FALSE(ComboEnabledFor(1));
    EXPECT_TRUE(ComboEnabledFor(2));
}
