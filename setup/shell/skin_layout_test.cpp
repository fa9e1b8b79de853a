#include <gtest/gtest.h>

#include <string>

#include "setup/shell/key_filter.h"
#include "setup/shell/page_texts.h"
#include "setup/shell/skin_layout.h"

using namespace skin;

TEST(PressRules, ButtonEdgesAreExclusiveAndFallIntoTheDragBand) {
    for (PageKind page : {PageKind::Intro, PageKind::Installing, PageKind::Result}) {
        EXPECT_EQ(ActionForPress(page, 491, 10), PressAction::Minimise);
        EXPECT_EQ(ActionForPress(page, 502, 21), PressAction::Minimise);
        EXPECT_EQ(ActionForPress(page, 503, 15), PressAction::Drag);  // right edge outside
        EXPECT_EQ(ActionForPress(page, 495, 22), PressAction::Drag);  // bottom edge outside
        EXPECT_EQ(ActionForPress(page, 1, 2), PressAction::Drag);
        EXPECT_EQ(ActionForPress(page, 524, 49), PressAction::Drag);
        EXPECT_EQ(ActionForPress(page, 0, 10), PressAction::None);    // border
        EXPECT_EQ(ActionForPress(page, 525, 10), PressAction::None);
        EXPECT_EQ(ActionForPress(page, 100, 1), PressAction::None);
        EXPECT_EQ(ActionForPress(page, 100, 50), PressAction::None);
        EXPECT_EQ(ActionForPress(page, 300, 200), PressAction::None);
    }
}

TEST(PressRules, TheCloseImageAsksExceptOnTheInstallingPageWhereItDrags) {
    EXPECT_EQ(ActionForPress(PageKind::Intro, 506, 10), PressAction::Close);
    EXPECT_EQ(ActionForPress(PageKind::Result, 517, 21), PressAction::Close);
    EXPECT_EQ(ActionForPress(PageKind::Installing, 510, 15), PressAction::Drag);
    EXPECT_EQ(ActionForPress(PageKind::Intro, 518, 15), PressAction::Drag);
}

TEST(Hover, FlagsFollowThePointerOneButtonAtATime) {
    EXPECT_EQ(HoverAt(495, 15).minimise, 1);
    EXPECT_EQ(HoverAt(495, 15).close, 0);
    EXPECT_EQ(HoverAt(510, 15).close, 1);
    EXPECT_EQ(HoverAt(510, 15).minimise, 0);
    EXPECT_EQ(HoverAt(503, 15).minimise, 0);
    EXPECT_EQ(HoverAt(504, 15).close, 0);  // the gap between the images
    EXPECT_EQ(ImageIndex(1), 1);
    EXPECT_EQ(ImageIndex(0), 0);
}

TEST(ResultFace, VariantFollowsTheStoredOutcome) {
    EXPECT_EQ(ResultFace(0).bitmapId, 243u);
    EXPECT_EQ(ResultFace(1).bitmapId, 244u);
    EXPECT_EQ(ResultFace(2).bitmapId, 244u);
    EXPECT_EQ(ResultFace(7).bitmapId, 244u);
    EXPECT_EQ(ResultFace(-1).lines.data(), kUnsupportedLines.data());
    EXPECT_EQ(ResultFace(0).lines.size(), 3u);
    EXPECT_EQ(ResultFace(0).lines[1].y, 81);
    // Failure and unsupported share the title and the first body line only.
    EXPECT_EQ(ResultFace(1).lines[0].text, ResultFace(2).lines[0].text);
    EXPECT_EQ(ResultFace(1).lines[1].text, ResultFace(2).lines[1].text);
    EXPECT_NE(ResultFace(1).lines[2].text, ResultFace(2).lines[2].text);
    EXPECT_NE(ResultFace(1).lines[3].text, ResultFace(2).lines[3].text);
    EXPECT_EQ(ResultFace(2).lines[3].text, std::wstring_view(L"K4100ZT 드라이버는 Windows 7/8/8.1/10을 지원합니다."));

    EXPECT_EQ(ResultCodeForOutcome(0), 0);
    EXPECT_EQ(ResultCodeForOutcome(1), 1);
    EXPECT_EQ(ResultCodeForOutcome(2), 2);
    EXPECT_EQ(ResultCodeForOutcome(7), 2);
    EXPECT_EQ(ResultCodeForOutcome(0x100000001ULL), 2);  // a wide wParam is not truncated to 1
}

TEST(PageTexts, TitlesComeFirstAndLinesGoDownThePage) {
    for (PageFace face : {kIntroFace, kInstallingFace, ResultFace(0), ResultFace(1), ResultFace(2)}) {
        ASSERT_FALSE(face.lines.empty());
        EXPECT_EQ(face.lines[0].y, kTitleY);
        for (std::size_t i = 1; i < face.lines.size(); ++i) EXPECT_GT(face.lines[i].y, face.lines[i - 1].y);
    }
}

TEST(KeyFilter, SwallowsOnlyEnterAndEscapeKeyDowns) {
    EXPECT_TRUE(IsSwallowedKey(0x0100, 0x0D));
    EXPECT_TRUE(IsSwallowedKey(0x0100, 0x1B));
    EXPECT_FALSE(IsSwallowedKey(0x0100, 0x09));  // Tab
    EXPECT_FALSE(IsSwallowedKey(0x0100, 0x20));  // Space
    EXPECT_FALSE(IsSwallowedKey(0x0101, 0x0D));  // key-up
    EXPECT_FALSE(IsSwallowedKey(0x0102, 0x0D));  // WM_CHAR
}
