#pragma once
// Which of the three faces the information panel shows, and its colours.
#include <cstdint>

#include "wlanstat/info/adapter_status.h"

enum PanelState : int {
    PANEL_CONNECTED = 0,
    PANEL_NOT_CONNECTED = 1,
    PANEL_NO_ADAPTER = 2,
};

// 0x00BBGGRR, as GDI takes it.
using PanelColor = std::uint32_t;

PanelState PanelStateOf(const wlanstat::AdapterStatus& status) noexcept;

// Labels, status line and values.
PanelColor LabelColorOf(PanelState state) noexcept;
// The three section heads.
PanelColor HeadColorOf(PanelState state) noexcept;
