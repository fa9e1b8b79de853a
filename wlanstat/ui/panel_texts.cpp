#include "wlanstat/ui/panel_texts.h"

#include <cinttypes>
#include <cstdio>

namespace {

constexpr const wchar_t* kStatusLines[] = {
    L"무선 AP에 연결되어 있습니다",
    L"무선 AP에 연결되어 있지 않습니다",
    L"무선 랜카드가 발견되지 않습니다",
};

std::wstring Widen(const char* ascii) {
    std::wstring out;
    for (const char* p = ascii; *p != '\0'; ++p) out.push_back(static_cast<wchar_t>(*p));
    return out;
}

}  // namespace

std::wstring NonZeroNumberText(std::int32_t value) {
    if (value == 0) return {};
    char buf[16];
    std::snprintf(buf, sizeof buf, "%" PRId32, value);
    return Widen(buf);
}

std::wstring LinkSpeedText(double speed, const std::wstring& unit) {
    if (speed == 0.0) return {};
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.1f ", speed);
    return Widen(buf) + unit;
}

std::wstring FrameCountText(std::uint64_t frames) {
    if (frames == 0) return L"0";
    char buf[24];
    std::snprintf(buf, sizeof buf, "%" PRId64, static_cast<std::int64_t>(frames));
    return Widen(buf);
}

std::vector<PanelText> PanelTexts(PanelState state, const wlanstat::AdapterStatus& s) {
    const std::span<const PanelLine> lines = PanelLines();
    std::vector<PanelText> out;
    out.reserve(40);
    // Painted kind by kind, each in table order; what is read follows the table alone.
    for (PanelTextKind kind : {PanelTextKind::Label, PanelTextKind::Head}) {
        for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
            const PanelLine& line = lines[row];
            if (line.kind == kind) out.push_back({line.text, line.x, line.y, line.color(state), false, {}, 0, kind, row});
        }
    }
    for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
        for (const PanelValueSpot& v : lines[row].values) {
            if (v.text == nullptr || (v.shows & 1u << state) == 0) continue;
            std::wstring text = v.text(state, s);
            if (text.empty()) continue;
            const bool fitted = v.format != 0;
            out.push_back({std::move(text), v.box.left, v.box.top, lines[row].color(state), fitted,
                           fitted ? v.box : fw::Rect{}, v.format, PanelTextKind::Value, row});
        }
    }
    return out;
}

std::wstring StatusLineOf(PanelState state) { return kStatusLines[state]; }
