#pragma once
// The title band of a frameless painted window: a minimise and a close image
// button lying inside a band that drags the window. The buttons win over the
// band because they are tested first.
#include "framework/rect.h"

namespace look {

struct TitleBand {
    fw::Rect minimise;
    fw::Rect close;
    fw::Rect drag;
};

enum class TitlePress { None, Minimise, Close, Drag };

// What a left press at (x, y) does. Without `closes`, the close image is only a
// part of the band and drags like the rest of it.
constexpr TitlePress PressAt(const TitleBand& band, int x, int y, bool closes = true) noexcept {
    if (band.minimise.Contains(x, y)) return TitlePress::Minimise;
    if (closes && band.close.Contains(x, y)) return TitlePress::Close;
    if (band.drag.Contains(x, y)) return TitlePress::Drag;
    return TitlePress::None;
}

// Hover flags after a mouse move to (x, y): 1 over the button, else 0.
struct Hover {
    int minimise = 0;
    int close = 0;
};

constexpr Hover HoverAt(const TitleBand& band, int x, int y) noexcept {
    return Hover{band.minimise.Contains(x, y) ? 1 : 0, band.close.Contains(x, y) ? 1 : 0};
}

// Image of a two-image button strip: [0] normal, [1] highlighted.
constexpr int ImageIndex(int hover) noexcept { return hover ? 1 : 0; }

}  // namespace look
