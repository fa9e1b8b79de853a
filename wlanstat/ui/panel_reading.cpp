#include "wlanstat/ui/panel_reading.h"

#include <algorithm>
#include <cstdint>

#include "wlanstat/ui/hit_rects.h"

namespace {

// The panel has two columns, the left half and the right half of the face.
constexpr int kRightColumnX = kFaceWidth / 2;

}  // namespace

std::vector<PanelReadingItem> PanelReading(const std::vector<PanelText>& texts) {
    std::vector<PanelReadingItem> out;
    std::vector<size_t> itemOfRow;  // label row -> index in `out`
    for (const PanelText& t : texts) {
        if (t.kind == PanelTextKind::Value) continue;
        if (t.kind == PanelTextKind::Label) {
            if (itemOfRow.size() <= static_cast<size_t>(t.row)) itemOfRow.resize(static_cast<size_t>(t.row) + 1, SIZE_MAX);
            itemOfRow[static_cast<size_t>(t.row)] = out.size();
        }
        out.push_back({t.kind == PanelTextKind::Head, t.text, {t}});
    }
    // Values join their label in drawing order.
    for (const PanelText& t : texts) {
        if (t.kind != PanelTextKind::Value || static_cast<size_t>(t.row) >= itemOfRow.size()) continue;
        const size_t at = itemOfRow[static_cast<size_t>(t.row)];
        if (at == SIZE_MAX) continue;
        out[at].name += L' ';
        out[at].name += t.text;
        out[at].pieces.push_back(t);
    }
    std::stable_sort(out.begin(), out.end(), [](const PanelReadingItem& a, const PanelReadingItem& b) {
        const PanelText& pa = a.pieces.front();
        const PanelText& pb = b.pieces.front();
        const bool ra = pa.x >= kRightColumnX, rb = pb.x >= kRightColumnX;
        if (ra != rb) return rb;
        return pa.y < pb.y;
    });
    return out;
}
