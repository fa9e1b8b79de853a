#pragma once
// Point, size and rectangle with the framework's names, over the Win32 structs so
// they pass straight to the API.
#include <windows.h>

class CPoint : public POINT {
public:
    CPoint() noexcept : POINT{0, 0} {}
    CPoint(int x0, int y0) noexcept : POINT{x0, y0} {}
    // The packed client coordinates of a mouse message (signed 16-bit halves).
    explicit CPoint(LPARAM lp) noexcept
        : POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))} {}
    bool operator==(const CPoint& o) const noexcept { return x == o.x && y == o.y; }
};

class CSize : public SIZE {
public:
    CSize() noexcept : SIZE{0, 0} {}
    CSize(int cx0, int cy0) noexcept : SIZE{cx0, cy0} {}
};

class CRect : public RECT {
public:
    CRect() noexcept : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) noexcept : RECT{l, t, r, b} {}
    CRect(const RECT& r) noexcept : RECT(r) {}
    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    // Right and bottom edges are outside, as with PtInRect.
    bool PtInRect(POINT p) const noexcept {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    CPoint TopLeft() const noexcept { return CPoint(left, top); }
    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }
    bool operator==(const CRect& o) const noexcept {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
