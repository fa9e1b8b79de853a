#pragma once
// Fixed geometry of the painted pages, in page client coordinates (the same as
// the frame's: every page sits at 0,0 and covers the frame). Rectangles exclude
// their right and bottom edges.
namespace skin {

struct Rect {
    int left, top, right, bottom;
    constexpr bool Contains(int x, int y) const noexcept {
        return x >= left && x < right && y >= top && y < bottom;
    }
    constexpr int Width() const noexcept { return right - left; }
    constexpr int Height() const noexcept { return bottom - top; }
};

struct Pos {
    int x, y;
};

inline constexpr int kPageWidth = 527;
inline constexpr int kPageHeight = 347;

inline constexpr Pos kMinimiseImagePos{491, 10};
inline constexpr Pos kCloseImagePos{506, 10};
inline constexpr Rect kMinimiseButtonRect{491, 10, 503, 22};
inline constexpr Rect kCloseButtonRect{506, 10, 518, 22};
inline constexpr Rect kDragBand{1, 2, 525, 50};

// The push buttons of the bottom strip: "다음 >" on the intro and installing
// pages, then "취소" there and "마침" on the result page.
inline constexpr Rect kFirstPushButton{354, 314, 354 + 75, 314 + 25};
inline constexpr Rect kSecondPushButton{434, 314, 434 + 75, 314 + 25};

inline constexpr int kTextX = 187;
inline constexpr int kTitleY = 51;

// What a press on a page does; the first rule that matches wins.
enum class PressAction { None, Minimise, ConfirmExit, Drag };

// The installing page has no close rule: a press on its close image lies in the
// drag band and drags.
enum class PageKind { Intro, Installing, Result };

constexpr PressAction ActionForPress(PageKind page, int x, int y) noexcept {
    if (kMinimiseButtonRect.Contains(x, y)) return PressAction::Minimise;
    if (page != PageKind::Installing && kCloseButtonRect.Contains(x, y)) return PressAction::ConfirmExit;
    if (kDragBand.Contains(x, y)) return PressAction::Drag;
    return PressAction::None;
}

// Hover flags after a mouse move to (x, y).
struct Hover {
    int minimise = 0;
    int close = 0;
};

constexpr Hover HoverAt(int x, int y) noexcept {
    return Hover{kMinimiseButtonRect.Contains(x, y) ? 1 : 0, kCloseButtonRect.Contains(x, y) ? 1 : 0};
}

// Image index of a button strip: [0] normal, [1] highlighted.
constexpr int ImageIndex(int hover) noexcept { return hover ? 1 : 0; }

}  // namespace skin
