#pragma once
// Point and rectangle with the framework's names, over the Win32 structs so they
// pass straight to the API; and the one crossing between fw::Rect and RECT.
#include <windows.h>

#include "framework/rect.h"

namespace fw {

constexpr RECT ToRECT(const Rect& r) noexcept { return RECT{r.left, r.top, r.right, r.bottom}; }
constexpr Rect RectOf(const RECT& r) noexcept { return Rect{r.left, r.top, r.right, r.bottom}; }

}  // namespace fw

class CPoint : public POINT {
public:
    CPoint() noexcept : POINT{0, 0} {}
    CPoint(int x0, int y0) noexcept : POINT{x0, y0} {}
    // The packed client coordinates of a mouse message (signed 16-bit halves).
    explicit CPoint(LPARAM lp) noexcept
        : POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))} {}
    bool operator==(const CPoint& o) const noexcept { return x == o.x && y == o.y; }
};

class CRect : public RECT {
public:
    CRect() noexcept : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) noexcept : RECT{l, t, r, b} {}
    CRect(const RECT& r) noexcept : RECT(r) {}
    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }
    bool operator==(const CRect& o) const noexcept {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
