#include "wlanstat/ui/panel_reading.h"

std::vector<PanelReadingItem> PanelReading(const std::vector<PanelText>& texts) {
    // One item per line of the panel's table, read in the table's order.
    std::vector<PanelReadingItem> out(PanelLines().size());
    auto itemOf = [&out](const PanelText& t) {
        return static_cast<size_t>(t.row) < out.size() ? &out[static_cast<size_t>(t.row)] : nullptr;
    };
    for (const PanelText& t : texts) {
        PanelReadingItem* item = itemOf(t);
        if (item != nullptr && t.kind != PanelTextKind::Value) *item = {t.kind == PanelTextKind::Head, t.text, {t}};
    }
    // Values join their line's label in drawing order.
    for (const PanelText& t : texts) {
        PanelReadingItem* item = itemOf(t);
        if (item == nullptr || item->pieces.empty() || t.kind != PanelTextKind::Value) continue;
        item->name += L' ';
        item->name += t.text;
        item->pieces.push_back(t);
    }
    std::erase_if(out, [](const PanelReadingItem& item) { return item.pieces.empty(); });
    return out;
}
