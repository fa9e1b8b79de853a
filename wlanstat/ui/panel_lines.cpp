#include "wlanstat/ui/panel_lines.h"

#include "wlanstat/ui/panel_texts.h"

namespace {

using S = wlanstat::AdapterStatus;

template <std::wstring S::*field>
std::wstring Field(PanelState, const S& s) { return s.*field; }
std::wstring Status(PanelState state, const S&) { return StatusLineOf(state); }
std::wstring Channel(PanelState, const S& s) { return NonZeroNumberText(static_cast<std::int32_t>(s.channel)); }
std::wstring Speed(PanelState, const S& s) { return LinkSpeedText(s.linkSpeed, s.linkSpeedUnit); }
std::wstring Signal(PanelState, const S& s) { return NonZeroNumberText(s.rssi); }
std::wstring Sent(PanelState, const S& s) { return FrameCountText(s.txFrames); }
std::wstring Received(PanelState, const S& s) { return FrameCountText(s.rxFrames); }

// A value drawn whole from its top-left corner.
constexpr PanelValueSpot At(PanelValueText text, unsigned shows, int x, int y) { return {text, shows, {x, y, x, y}}; }
constexpr PanelLine Label(const wchar_t* text, int x, int y, PanelValueSpot value, PanelValueSpot more = {}) {
    return {PanelTextKind::Label, text, x, y, LabelColorOf, {value, more}};
}
// Each head sits on the top edge of its frame in the background picture.
constexpr PanelLine Head(const wchar_t* text, int x, int y) {
    return {PanelTextKind::Head, text, x, y, HeadColorOf, {}};
}

// Values stand on their label's row, but the name one pixel lower and Rx one higher.
constexpr PanelLine kLines[] = {
    Label(L"연결상태", 23, 76, At(Status, kShownAlways, 126, 76)),
    Label(L"이름", 23, 96, At(Field<&S::friendlyName>, kShownWithAdapter, 126, 97)),
    // Stops left of the state picture, which is copied over the panel.
    Label(L"장치이름", 23, 116, {Field<&S::description>, kShownWithAdapter, {126, 116, 462, 129}, kFitSingleLine}),
    Head(L"무선AP 정보", 23, 142),
    Label(L"SSID", 24, 166, {Field<&S::ssid>, kShownWhenConnected, {126, 164, 324, 179}, kFitSingleLineCentred}),
    Label(L"BSSID", 24, 186, At(Field<&S::bssid>, kShownWhenConnected, 126, 186)),
    Label(L"채널", 24, 205, At(Channel, kShownWhenConnected, 126, 205)),
    Label(L"링크속도", 24, 225, At(Speed, kShownWhenConnected, 126, 225)),
    Label(L"신호세기[dbm]", 24, 245, At(Signal, kShownWhenConnected, 126, 245)),
    Head(L"송신/수신 프레임", 23, 280),
    Label(L"전송[Tx]", 24, 304, At(Sent, kShownWhenConnected, 126, 304)),
    Label(L"수신[Rx]", 24, 324, At(Received, kShownWhenConnected, 126, 323)),
    Head(L"무선랜카드 정보", 350, 142),
    Label(L"MAC주소", 350, 166, At(Field<&S::macAddress>, kShownWithAdapter, 453, 166)),
    Label(L"IP주소", 350, 186, At(Field<&S::ipAddress>, kShownWhenConnected, 453, 186)),
    Label(L"서브넷마스크", 350, 206, At(Field<&S::subnetMask>, kShownWhenConnected, 453, 206)),
    Label(L"게이트웨이", 350, 226, At(Field<&S::gateway>, kShownWhenConnected, 453, 226)),
    Label(L"DHCP 서버", 350, 246, At(Field<&S::dhcpServer>, kShownWhenConnected, 453, 246)),
    Label(L"DNS 서버", 350, 266, At(Field<&S::dnsServer1>, kShownWhenConnected, 453, 266),
          At(Field<&S::dnsServer2>, kShownWhenConnected, 453, 286)),
};

}  // namespace

std::span<const PanelLine> PanelLines() noexcept { return kLines; }
