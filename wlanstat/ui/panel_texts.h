#pragma once
// Everything the information panel writes for one state: the sixteen labels, the
// three heads, the status line and the values, with place, colour and how to draw.
#include <cstdint>
#include <string>
#include <vector>

#include "wlanstat/info/adapter_status.h"
#include "wlanstat/ui/panel_lines.h"

struct PanelText {
    std::wstring text;
    int x = 0, y = 0;  // top-left corner for TextOut
    PanelColor color = 0;
    bool fitted = false;  // drawn with DrawText into `box` instead of TextOut
    fw::Rect box{};
    unsigned format = 0;
    PanelTextKind kind = PanelTextKind::Value;
    int row = 0;  // its line in PanelLines(), the same for a label or head and its values
};

// In drawing order: labels, heads, then values. Empty values are left out: they
// would draw nothing.
std::vector<PanelText> PanelTexts(PanelState state, const wlanstat::AdapterStatus& status);

// The status line of each state, which is the value of the first label.
std::wstring StatusLineOf(PanelState state);

// Where the state picture is copied, over the panel.
inline constexpr fw::Rect kStatePictureRect{464, 45, 571, 142};

// Value forms.
std::wstring NonZeroNumberText(std::int32_t value);  // "%d", empty for 0
std::wstring LinkSpeedText(double speed, const std::wstring& unit);  // "%.1f %s", empty for 0.0
std::wstring FrameCountText(std::uint64_t frames);  // "%I64d", "0" for 0
