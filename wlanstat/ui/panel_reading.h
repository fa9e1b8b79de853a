#pragma once
// The information panel as a screen reader reads it: each label with its values
// as one text ("SSID office"; a label without a value alone), and each section
// head as a group, in the order of the panel's table.
#include <string>
#include <vector>

#include "wlanstat/ui/panel_texts.h"

struct PanelReadingItem {
    bool group = false;  // a section head
    std::wstring name;
    std::vector<PanelText> pieces;  // the painted texts it stands for, to find its place
};

// `texts` as PanelTexts gives them.
std::vector<PanelReadingItem> PanelReading(const std::vector<PanelText>& texts);
