#include "wlanstat/ui/hit_rects.h"

#include <gtest/gtest.h>

TEST(HitRects, PressesAtTheDocumentedPoints) {
    EXPECT_EQ(PressActionAt(560, 15), PressAction::Minimise);
    EXPECT_EQ(PressActionAt(575, 15), PressAction::Close);
    EXPECT_EQ(PressActionAt(300, 15), PressAction::Drag);
    EXPECT_EQ(PressActionAt(300, 35), PressAction::None);
}

TEST(HitRects, EdgesIncludeLeftTopAndExcludeRightBottom) {
    EXPECT_TRUE(minimizeRect.Contains(556, 10));
    EXPECT_FALSE(minimizeRect.Contains(568, 10));
    EXPECT_FALSE(minimizeRect.Contains(556, 22));
    EXPECT_TRUE(closeRect.Contains(582, 21));
    EXPECT_FALSE(closeRect.Contains(583, 21));
    // Between the buttons the band still drags.
    EXPECT_EQ(PressActionAt(569, 15), PressAction::Drag);
    EXPECT_EQ(PressActionAt(1, 2), PressAction::Drag);
    EXPECT_EQ(PressActionAt(0, 2), PressAction::None);
    EXPECT_EQ(PressActionAt(591, 29), PressAction::Drag);
    EXPECT_EQ(PressActionAt(592, 29), PressAction::None);
    EXPECT_EQ(PressActionAt(100, 30), PressAction::None);
    EXPECT_EQ(PressActionAt(-5, -5), PressAction::None);
}
