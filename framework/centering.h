#pragma once
// Where a dialog goes when it is centred over an area (its owner or the work
// area), kept inside the work area so no part of it lands off screen.
namespace fw {

struct Box {
    int left, top, right, bottom;
};

struct Origin {
    int x, y;
};

constexpr Origin CentredOrigin(Box window, Box area, Box work) noexcept {
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    int x = (area.left + area.right) / 2 - w / 2;
    int y = (area.top + area.bottom) / 2 - h / 2;
    if (x + w > work.right) x = work.right - w;
    if (x < work.left) x = work.left;
    if (y + h > work.bottom) y = work.bottom - h;
    if (y < work.top) y = work.top;
    return {x, y};
}

}  // namespace fw
