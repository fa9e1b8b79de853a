#pragma once
// The information panel as one table: for each line a screen reader reads, its
// label or section head, where it is painted and in which colour, and the values
// beside it with their place, fit and the faces that show them. Painting, the
// reader's order and its hit-testing all come from this table.
#include <span>
#include <string>

#include "framework/rect.h"
#include "wlanstat/info/adapter_status.h"
#include "wlanstat/ui/panel_state.h"

// DrawText formats used for the two values that may not fit (DT_ flag values).
// The values come from drivers and services: NOPREFIX keeps an "&" as it is.
inline constexpr unsigned kFitSingleLine = 0x8820;         // SINGLELINE | END_ELLIPSIS | NOPREFIX
inline constexpr unsigned kFitSingleLineCentred = 0x8824;  // ... | VCENTER

enum class PanelTextKind { Label, Head, Value };

// Which faces show a value: a bit for each PanelState.
inline constexpr unsigned kShownWhenConnected = 1u << PANEL_CONNECTED;
inline constexpr unsigned kShownWithAdapter = kShownWhenConnected | 1u << PANEL_NOT_CONNECTED;
inline constexpr unsigned kShownAlways = kShownWithAdapter | 1u << PANEL_NO_ADAPTER;

using PanelValueText = std::wstring (*)(PanelState, const wlanstat::AdapterStatus&);

struct PanelValueSpot {
    PanelValueText text = nullptr;  // none: the line has no such value
    unsigned shows = kShownAlways;
    fw::Rect box{};       // TextOut at its top-left corner while `format` is 0,
    unsigned format = 0;  // else DrawText into it with this format
};

struct PanelLine {
    PanelTextKind kind;  // Label or Head
    const wchar_t* text;
    int x, y;                         // top-left corner for TextOut
    PanelColor (*color)(PanelState);  // of the text and of its values
    PanelValueSpot values[2];         // a second one stands under the first
};

// In reading order: the left column from the top, then the right one.
std::span<const PanelLine> PanelLines() noexcept;
