#pragma once
// The title band's active areas, in client pixels of the 594 x 398 face.

// The face, which is also the window: it has no frame.
inline constexpr int kFaceWidth = 594;
inline constexpr int kFaceHeight = 398;

struct PixelRect {
    int left, top, right, bottom;
    // Right and bottom edges are outside, as in GDI.
    constexpr bool Contains(int x, int y) const noexcept {
        return left <= x && x < right && top <= y && y < bottom;
    }
};

inline constexpr PixelRect minimizeRect{556, 10, 568, 22};
inline constexpr PixelRect closeRect{571, 10, 583, 22};
inline constexpr PixelRect dragRect{1, 2, 592, 30};

enum class PressAction { Minimize, Close, Drag, None };

// The buttons lie inside the drag band and win over it.
constexpr PressAction PressActionAt(int x, int y) noexcept {
    if (minimizeRect.Contains(x, y)) return PressAction::Minimize;
    if (closeRect.Contains(x, y)) return PressAction::Close;
    if (dragRect.Contains(x, y)) return PressAction::Drag;
    return PressAction::None;
}
