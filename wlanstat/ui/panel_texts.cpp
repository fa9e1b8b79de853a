#include "wlanstat/ui/panel_texts.h"

#include <cinttypes>
#include <cstdio>

namespace {

struct Placed {
    const wchar_t* text;
    int x, y;
};

// The labels' rows, which the values beside them name.
enum Row : int {
    kStateRow, kNameRow, kDeviceRow, kSsidRow, kBssidRow, kChannelRow, kSpeedRow, kSignalRow, kTxRow, kRxRow,
    kMacRow, kIpRow, kMaskRow, kGatewayRow, kDhcpRow, kDnsRow,
};

constexpr Placed kLabels[] = {
    {L"연결상태", 23, 76},     {L"이름", 23, 96},          {L"장치이름", 23, 116},
    {L"SSID", 24, 166},        {L"BSSID", 24, 186},        {L"채널", 24, 205},
    {L"링크속도", 24, 225},    {L"신호세기[dbm]", 24, 245}, {L"전송[Tx]", 24, 304},
    {L"수신[Rx]", 24, 324},    {L"MAC주소", 350, 166},     {L"IP주소", 350, 186},
    {L"서브넷마스크", 350, 206}, {L"게이트웨이", 350, 226},  {L"DHCP 서버", 350, 246},
    {L"DNS 서버", 350, 266},
};

// Each head sits on the top edge of its frame in the background picture.
constexpr Placed kHeads[] = {
    {L"무선AP 정보", 23, 142},
    {L"송신/수신 프레임", 23, 280},
    {L"무선랜카드 정보", 350, 142},
};

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

class Builder {
public:
    explicit Builder(std::vector<PanelText>& out) : out_(out) {}

    void At(const std::wstring& text, int x, int y, PanelColor color, int row,
            PanelTextKind kind = PanelTextKind::Value) {
        if (text.empty()) return;
        PanelText t;
        t.text = text;
        t.x = x;
        t.y = y;
        t.color = color;
        t.kind = kind;
        t.row = row;
        out_.push_back(std::move(t));
    }

    void In(const std::wstring& text, fw::Rect box, unsigned format, PanelColor color, int row) {
        if (text.empty()) return;
        PanelText t;
        t.text = text;
        t.x = box.left;
        t.y = box.top;
        t.color = color;
        t.fitted = true;
        t.box = box;
        t.format = format;
        t.row = row;
        out_.push_back(std::move(t));
    }

private:
    std::vector<PanelText>& out_;
};

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
    std::vector<PanelText> out;
    out.reserve(40);
    Builder b(out);
    const PanelColor label = LabelColorOf(state);
    const PanelColor head = HeadColorOf(state);

    int row = 0;
    for (const Placed& p : kLabels) b.At(p.text, p.x, p.y, label, row++, PanelTextKind::Label);
    row = 0;
    for (const Placed& p : kHeads) b.At(p.text, p.x, p.y, head, row++, PanelTextKind::Head);

    b.At(StatusLineOf(state), 126, 76, label, kStateRow);
    if (state == PANEL_NO_ADAPTER) return out;

    const bool connected = state == PANEL_CONNECTED;
    b.At(s.friendlyName, 126, 97, label, kNameRow);
    b.In(s.description, {126, 116, 462, 129}, kFitSingleLine, label, kDeviceRow);
    if (connected) {
        b.In(s.ssid, {126, 164, 324, 179}, kFitSingleLineCentred, label, kSsidRow);
        b.At(s.bssid, 126, 186, label, kBssidRow);
        b.At(NonZeroNumberText(static_cast<std::int32_t>(s.channel)), 126, 205, label, kChannelRow);
        b.At(LinkSpeedText(s.linkSpeed, s.linkSpeedUnit), 126, 225, label, kSpeedRow);
        b.At(NonZeroNumberText(s.rssi), 126, 245, label, kSignalRow);
        b.At(FrameCountText(s.txFrames), 126, 304, label, kTxRow);
        b.At(FrameCountText(s.rxFrames), 126, 323, label, kRxRow);
    }
    b.At(s.macAddress, 453, 166, label, kMacRow);
    if (connected) {
        b.At(s.ipAddress, 453, 186, label, kIpRow);
        b.At(s.subnetMask, 453, 206, label, kMaskRow);
        b.At(s.gateway, 453, 226, label, kGatewayRow);
        b.At(s.dhcpServer, 453, 246, label, kDhcpRow);
        b.At(s.dnsServer1, 453, 266, label, kDnsRow);
        b.At(s.dnsServer2, 453, 286, label, kDnsRow);  // under the first, without a label of its own
    }
    return out;
}

std::wstring StatusLineOf(PanelState state) { return kStatusLines[state]; }
