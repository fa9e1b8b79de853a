#pragma once
// The one rectangle of the painted faces: hit areas, text boxes, picture places,
// window and screen areas. Portable, so the rules that use it test natively;
// types.h turns it into a RECT for the system.
namespace fw {

struct Rect {
    int left, top, right, bottom;
    // Right and bottom edges are outside, as with PtInRect.
    constexpr bool Contains(int x, int y) const noexcept {
        return x >= left && x < right && y >= top && y < bottom;
    }
    constexpr int Width() const noexcept { return right - left; }
    constexpr int Height() const noexcept { return bottom - top; }
};

}  // namespace fw
