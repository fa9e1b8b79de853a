#include "wlanstat/ui/panel_state.h"

PanelState PanelStateOf(const wlanstat::AdapterStatus& status) noexcept {
    if (status.interfaceCount <= 0) return PANEL_NO_ADAPTER;
    return status.connected == 1 ? PANEL_CONNECTED : PANEL_NOT_CONNECTED;
}

PanelColor LabelColorOf(PanelState state) noexcept {
    return state == PANEL_CONNECTED ? 0x00000000u : 0x00777777u;
}

PanelColor HeadColorOf(PanelState state) noexcept {
    return state == PANEL_CONNECTED ? 0x000A7C5Au : 0x009A9A9Au;
}
