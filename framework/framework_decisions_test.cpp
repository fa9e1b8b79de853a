#include <gtest/gtest.h>

#include "framework/accessible_rules.h"
#include "framework/centering.h"
#include "framework/message_box_style.h"
#include "framework/object.h"

using namespace fw;

TEST(MessageBoxStyle, AddsTheIconThatFitsTheButtonsOnlyWhenNoneIsGiven) {
    EXPECT_EQ(MessageBoxStyle(kMbOk), kMbOk | kMbIconExclamation);
    EXPECT_EQ(MessageBoxStyle(kMbOkCancel), kMbOkCancel | kMbIconExclamation);
    EXPECT_EQ(MessageBoxStyle(kMbYesNo), kMbYesNo | kMbIconQuestion);
    EXPECT_EQ(MessageBoxStyle(kMbYesNoCancel), kMbYesNoCancel | kMbIconQuestion);
    // An explicit icon (information = 0x40) is kept; other button sets get none.
    EXPECT_EQ(MessageBoxStyle(kMbOk | 0x40), kMbOk | 0x40);
    EXPECT_EQ(MessageBoxStyle(kMbYesNo | 0x10), kMbYesNo | 0x10);
    EXPECT_EQ(MessageBoxStyle(0x5 /* retry/cancel */), 0x5u);
    // Flags outside the type and icon bits survive.
    EXPECT_EQ(MessageBoxStyle(kMbYesNo | 0x1000), kMbYesNo | 0x1000 | kMbIconQuestion);
}

TEST(Centring, CentresOverTheAreaAndStaysInsideTheWorkArea) {
    const Rect work{0, 0, 1280, 1000};
    Origin o = CentredOrigin({0, 0, 527, 347}, work, work);
    EXPECT_EQ(o.x, 640 - 263);
    EXPECT_EQ(o.y, 500 - 173);
    // Over an owner near the right edge: pushed back inside.
    o = CentredOrigin({0, 0, 400, 200}, {1100, 10, 1300, 110}, work);
    EXPECT_EQ(o.x, 1280 - 400);
    EXPECT_EQ(o.y, 0);
    // Larger than the work area: the top-left corner stays visible.
    o = CentredOrigin({0, 0, 2000, 1200}, work, work);
    EXPECT_EQ(o.x, 0);
    EXPECT_EQ(o.y, 0);
}

TEST(ObArray, KeepsPointersInOrderWithoutOwningThem) {
    CObject a, b;
    CObArray arr;
    EXPECT_EQ(arr.Add(&a), 0);
    EXPECT_EQ(arr.Add(&b), 1);
    EXPECT_EQ(arr.GetSize(), 2);
    EXPECT_EQ(arr[0], &a);
    EXPECT_EQ(arr.GetAt(1), &b);
    EXPECT_THROW(arr.GetAt(2), std::out_of_range);
}

TEST(Accessible, NavigationStaysAmongTheChildren) {
    EXPECT_EQ(NavigateAmong(3, 0, Nav::FirstChild), 1);
    EXPECT_EQ(NavigateAmong(3, 0, Nav::LastChild), 3);
    EXPECT_EQ(NavigateAmong(0, 0, Nav::FirstChild), -1);
    EXPECT_EQ(NavigateAmong(3, 0, Nav::Next), -1);  // the window's siblings: not ours
    EXPECT_EQ(NavigateAmong(3, 2, Nav::Next), 3);
    EXPECT_EQ(NavigateAmong(3, 3, Nav::Next), -1);
    EXPECT_EQ(NavigateAmong(3, 1, Nav::Previous), -1);
    EXPECT_EQ(NavigateAmong(3, 2, Nav::Previous), 1);
    EXPECT_EQ(NavigateAmong(3, 2, Nav::FirstChild), -1);
    EXPECT_EQ(NavigateAmong(3, 4, Nav::Previous), -1);
}

TEST(Accessible, OnlyChangedNamesAreAnnounced) {
    FaceChanges c = CompareNames({L"a", L"b", L"c"}, {L"a", L"b", L"c"});
    EXPECT_FALSE(c.reordered);
    EXPECT_TRUE(c.renamed.empty());
    c = CompareNames({L"a", L"b", L"c"}, {L"a", L"B", L""});
    EXPECT_FALSE(c.reordered);
    EXPECT_EQ(c.renamed, (std::vector<long>{2, 3}));
    c = CompareNames({L"a", L"b"}, {L"a", L"b", L"c"});
    EXPECT_TRUE(c.reordered);
    EXPECT_TRUE(c.renamed.empty());
}
