#pragma once
// Where a dialog goes when it is centred over an area (its owner or the work
// area), kept inside the work area so no part of it lands off screen.
#include "framework/rect.h"

namespace fw {

struct Origin {
    int x, y;
};

constexpr Origin CentredOrigin(Rect window, Rect area, Rect work) noexcept {
    const int w = window.Width();
    const int h = window.Height();
    int x = (area.left + area.right) / 2 - w / 2;
    int y = (area.top + area.bottom) / 2 - h / 2;
    if (x + w > work.right) x = work.right - w;
    if (x < work.left) x = work.left;
    if (y + h > work.bottom) y = work.bottom - h;
    if (y < work.top) y = work.top;
    return {x, y};
}

}  // namespace fw
