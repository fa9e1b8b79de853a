#pragma once
// The title band's active areas, in client pixels of the 594 x 398 face.
#include "look/title_band.h"

// The face, which is also the window: it has no frame.
inline constexpr int kFaceWidth = 594;
inline constexpr int kFaceHeight = 398;

inline constexpr fw::Rect minimizeRect{556, 10, 568, 22};
inline constexpr fw::Rect closeRect{571, 10, 583, 22};
inline constexpr fw::Rect dragRect{1, 2, 592, 30};
inline constexpr look::TitleBand kTitleBand{minimizeRect, closeRect, dragRect};

using PressAction = look::TitlePress;

// The buttons lie inside the drag band and win over it.
constexpr PressAction PressActionAt(int x, int y) noexcept { return look::PressAt(kTitleBand, x, y); }
