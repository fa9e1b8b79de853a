#pragma once
// Fixed geometry of the painted pages, in page client coordinates (the same as
// the frame's: every page sits at 0,0 and covers the frame). Rectangles exclude
// their right and bottom edges.
#include "look/title_band.h"

namespace skin {

inline constexpr int kPageWidth = 527;
inline constexpr int kPageHeight = 347;

// The title strip's image buttons, each drawn at its rectangle's top-left
// corner, and the band along the top edge that drags the frame.
inline constexpr look::TitleBand kTitleBand{
    .minimise = {491, 10, 503, 22},
    .close = {506, 10, 518, 22},
    .drag = {1, 2, 525, 50},
};
inline constexpr fw::Rect kMinimiseButtonRect = kTitleBand.minimise;
inline constexpr fw::Rect kCloseButtonRect = kTitleBand.close;
inline constexpr fw::Rect kDragBand = kTitleBand.drag;

// The push buttons of the bottom strip: "다음 >" on the intro and installing
// pages, then "취소" there and "마침" on the result page.
inline constexpr fw::Rect kFirstPushButton{354, 314, 354 + 75, 314 + 25};
inline constexpr fw::Rect kSecondPushButton{434, 314, 434 + 75, 314 + 25};

inline constexpr int kTextX = 187;
inline constexpr int kTitleY = 51;

// What a press on a page does; a press on the close image asks to exit (Close).
using PressAction = look::TitlePress;

// The installing page has no close rule: a press on its close image lies in the
// drag band and drags.
enum class PageKind { Intro, Installing, Result };

constexpr PressAction ActionForPress(PageKind page, int x, int y) noexcept {
    return look::PressAt(kTitleBand, x, y, page != PageKind::Installing);
}

// Hover flags after a mouse move to (x, y).
constexpr look::Hover HoverAt(int x, int y) noexcept { return look::HoverAt(kTitleBand, x, y); }

using look::ImageIndex;

}  // namespace skin
