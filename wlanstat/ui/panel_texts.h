#pragma once
// Everything the information panel writes for one state: the sixteen labels, the
// three heads, the status line and the values, with place, colour and how to draw.
#include <cstdint>
#include <string>
#include <vector>

#include "wlanstat/info/adapter_status.h"
#include "wlanstat/ui/hit_rects.h"
#include "wlanstat/ui/panel_state.h"

// DrawText formats used for the two values that may not fit (DT_ flag values).
// The values come from drivers and services: NOPREFIX keeps an "&" as it is.
inline constexpr unsigned kFitSingleLine = 0x8820;         // SINGLELINE | END_ELLIPSIS | NOPREFIX
inline constexpr unsigned kFitSingleLineCentred = 0x8824;  // ... | VCENTER

enum class PanelTextKind { Label, Head, Value };

struct PanelText {
    std::wstring text;
    int x = 0, y = 0;  // top-left corner for TextOut
    PanelColor color = 0;
    bool fitted = false;  // drawn with DrawText into `box` instead of TextOut
    fw::Rect box{};
    unsigned format = 0;
    PanelTextKind kind = PanelTextKind::Value;
    int row = 0;  // a label's or head's index in drawing order; a value's: its label's
};

// In drawing order. Empty values are left out: they would draw nothing.
std::vector<PanelText> PanelTexts(PanelState state, const wlanstat::AdapterStatus& status);

// The status line of each state, which is the value of the first label.
std::wstring StatusLineOf(PanelState state);

// Where the state picture is copied, over the panel.
inline constexpr fw::Rect kStatePictureRect{464, 45, 571, 142};

// Value forms.
std::wstring NonZeroNumberText(std::int32_t value);  // "%d", empty for 0
std::wstring LinkSpeedText(double speed, const std::wstring& unit);  // "%.1f %s", empty for 0.0
std::wstring FrameCountText(std::uint64_t frames);  // "%I64d", "0" for 0
