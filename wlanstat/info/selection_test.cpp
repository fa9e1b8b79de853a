#include "wlanstat/info/selection.h"

#include <gtest/gtest.h>

namespace wlanstat {
namespace {

Guid G(std::uint32_t n) { return Guid{n, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}}; }

std::vector<InterfaceInfo> List() {
    return {{G(1), L"Card A", 1}, {G(2), L"Card B", 0}, {G(3), L"Card A", 1}};
}

TEST(ApplyPendingSelection, PendingReplacesShownAndClears) {
    Guid selected = G(1), pending = G(2);
    ApplyPendingSelection(selected, pending);
    EXPECT_EQ(selected, G(2));
    EXPECT_EQ(pending, kNullGuid);
}

TEST(ApplyPendingSelection, PendingEqualToShownStaysPending) {
    Guid selected = G(1), pending = G(1);
    ApplyPendingSelection(selected, pending);
    EXPECT_EQ(selected, G(1));
    EXPECT_EQ(pending, G(1));
}

TEST(ApplyPendingSelection, NothingPendingKeepsShown) {
    Guid selected = G(1), pending = kNullGuid;
    ApplyPendingSelection(selected, pending);
    EXPECT_EQ(selected, G(1));
    EXPECT_EQ(pending, kNullGuid);
}

TEST(PendingForDescription, FirstOfEqualDescriptionsExactMatchOnly) {
    EXPECT_EQ(PendingForDescription(List(), L"Card A"), G(1));
    EXPECT_EQ(PendingForDescription(List(), L"Card B"), G(2));
    EXPECT_EQ(PendingForDescription(List(), L"card a"), kNullGuid);
    EXPECT_EQ(PendingForDescription(List(), L"Card"), kNullGuid);
    EXPECT_EQ(PendingForDescription({}, L""), kNullGuid);
}

TEST(SettleSelection, KeepsShownAdapterAtItsNewIndex) {
    Guid selected = G(3);
    std::int32_t index = 0;
    SettleSelection(List(), selected, index);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(selected, G(3));
}

TEST(SettleSelection, NoneChosenOrRemovedFallsBackToEntry0) {
    for (Guid start : {kNullGuid, G(9)}) {
        Guid selected = start;
        std::int32_t index = 5;
        SettleSelection(List(), selected, index);
        EXPECT_EQ(index, 0);
        EXPECT_EQ(selected, G(1));
    }
}

TEST(ResetSelection, ClearsShownAdapter) {
    Guid selected = G(2);
    std::int32_t index = 1;
    ResetSelection(selected, index);
    EXPECT_EQ(selected, kNullGuid);
    EXPECT_EQ(index, 0);
}

}  // namespace
}  // namespace wlanstat
