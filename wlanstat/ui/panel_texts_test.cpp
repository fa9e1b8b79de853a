#include "wlanstat/ui/panel_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "wlanstat/ui/test_support/expected_panel.h"
#include "wlanstat/ui/test_support/sample_status.h"

namespace {

using expected_panel::kHeadInk;
using expected_panel::kLabelInk;
using expected_panel::Of;

constexpr unsigned kNoPrefix = 0x0800;  // DT_NOPREFIX

wlanstat::AdapterStatus FullStatus(int count, int connected) {
    wlanstat::AdapterStatus s = wlanstat::SampleStatus(count, connected);
    s.description = L"Quorix K4100ZT 802.11ac PCIe Adapter";
    s.ssid = L"office-5G";
    s.channel = 149;
    s.txFrames = 1234;
    s.rxFrames = 5678;
    return s;
}

const PanelText* Find(const std::vector<PanelText>& texts, int x, int y) {
    auto it = std::find_if(texts.begin(), texts.end(),
                           [&](const PanelText& t) { return t.x == x && t.y == y; });
    return it == texts.end() ? nullptr : &*it;
}

// What is drawn at line `l`'s value place, which must be in the line's ink.
std::wstring ValueOf(const std::vector<PanelText>& texts, const expected_panel::Line& l, bool connected = true) {
    const PanelText* t = Find(texts, l.valueX, l.valueY);
    if (t == nullptr) return L"<none>";
    EXPECT_EQ(t->color, l.ink->In(connected)) << l.key;
    return t->text;
}

// What each listed line shows at its value place ("<none>": nothing), in its ink.
void ExpectValues(const std::vector<PanelText>& texts,
                  std::initializer_list<std::pair<const expected_panel::Line*, const wchar_t*>> want,
                  bool connected = true) {
    for (const auto& [line, value] : want) EXPECT_EQ(ValueOf(texts, *line, connected), value) << line->key;
}

// The sixteen labels, then the three heads, each in its place and ink.
void ExpectLabelsAndHeads(const std::vector<PanelText>& texts, bool connected) {
    size_t i = 0;
    for (bool heads : {false, true}) {
        for (const expected_panel::Line& l : expected_panel::kLines) {
            if (l.label == nullptr || l.head != heads) continue;
            ASSERT_LT(i, texts.size());
            const PanelText& t = texts[i++];
            EXPECT_EQ(std::tuple(t.text, t.x, t.y, t.color), std::tuple(l.label, l.x, l.y, l.ink->In(connected)));
        }
    }
}

}  // namespace

TEST(PanelState, FollowsCountAndConnectedFlag) {
    wlanstat::AdapterStatus s;
    EXPECT_EQ(PanelStateOf(s), PANEL_NO_ADAPTER);
    s.interfaceCount = -1;
    s.connected = 1;
    EXPECT_EQ(PanelStateOf(s), PANEL_NO_ADAPTER);
    s.interfaceCount = 2;
    EXPECT_EQ(PanelStateOf(s), PANEL_CONNECTED);
    s.connected = 0;
    EXPECT_EQ(PanelStateOf(s), PANEL_NOT_CONNECTED);
    s.connected = 2;  // anything but exactly 1 is not connected
    EXPECT_EQ(PanelStateOf(s), PANEL_NOT_CONNECTED);
}

TEST(PanelState, ColoursPerState) {
    EXPECT_EQ(LabelColorOf(PANEL_CONNECTED), kLabelInk.connected);
    EXPECT_EQ(HeadColorOf(PANEL_CONNECTED), kHeadInk.connected);
    for (PanelState st : {PANEL_NOT_CONNECTED, PANEL_NO_ADAPTER}) {
        EXPECT_EQ(LabelColorOf(st), kLabelInk.other);
        EXPECT_EQ(HeadColorOf(st), kHeadInk.other);
    }
}

TEST(PanelTexts, NoAdapterShowsLabelsHeadsAndStatusLineOnly) {
    const wlanstat::AdapterStatus s = FullStatus(0, 1);  // values present but must not show
    const auto texts = PanelTexts(PANEL_NO_ADAPTER, s);
    ASSERT_EQ(texts.size(), 16u + 3u + 1u);
    ExpectLabelsAndHeads(texts, false);
    EXPECT_EQ(texts[19].text, L"무선 랜카드가 발견되지 않습니다");
    EXPECT_EQ(ValueOf(texts, Of("state"), false), texts[19].text);
}

TEST(PanelTexts, NotConnectedShowsIdentityOnly) {
    const auto texts = PanelTexts(PANEL_NOT_CONNECTED, FullStatus(1, 0));
    ASSERT_EQ(texts.size(), 20u + 3u);
    ExpectValues(texts,
                 {{&Of("state"), L"무선 AP에 연결되어 있지 않습니다"}, {&Of("name"), L"Wi-Fi"},
                  {&Of("device"), L"Quorix K4100ZT 802.11ac PCIe Adapter"}, {&Of("mac"), L"00:E0:4C:81:12:34"}},
                 false);
    ExpectValues(texts, {{&Of("tx"), L"<none>"}, {&Of("ip"), L"<none>"}});
}

TEST(PanelTexts, ConnectedShowsEveryValueInPlace) {
    const auto texts = PanelTexts(PANEL_CONNECTED, FullStatus(1, 1));
    ASSERT_EQ(texts.size(), 20u + 16u);
    ExpectLabelsAndHeads(texts, true);
    ExpectValues(texts, {{&Of("state"), L"무선 AP에 연결되어 있습니다"}, {&Of("name"), L"Wi-Fi"},
                         {&Of("device"), L"Quorix K4100ZT 802.11ac PCIe Adapter"}, {&Of("ssid"), L"office-5G"},
                         {&Of("bssid"), L"88:36:6C:01:02:03"}, {&Of("channel"), L"149"},
                         {&Of("speed"), L"866.7 Mbps"}, {&Of("signal"), L"-45"}, {&Of("tx"), L"1234"},
                         {&Of("rx"), L"5678"}, {&Of("mac"), L"00:E0:4C:81:12:34"}, {&Of("ip"), L"192.168.0.23"},
                         {&Of("mask"), L"255.255.255.0"}, {&Of("gateway"), L"192.168.0.1"},
                         {&Of("dhcp"), L"192.168.0.1"}, {&Of("dns"), L"168.126.63.1"},
                         {&Of("dns2"), L"168.126.63.2"}});
}

TEST(PanelTexts, DescriptionAndSsidAreFittedIntoTheirBoxes) {
    const auto texts = PanelTexts(PANEL_CONNECTED, FullStatus(1, 1));
    for (const expected_panel::Line& l : {Of("device"), Of("ssid")}) {
        const PanelText* t = Find(texts, l.valueX, l.valueY);
        ASSERT_NE(t, nullptr) << l.key;
        EXPECT_TRUE(t->fitted);
        EXPECT_EQ(t->format, l.format);
        EXPECT_NE(t->format & kNoPrefix, 0u);
        EXPECT_EQ(t->box.right, l.right);
        EXPECT_EQ(t->box.bottom, l.bottom);
    }
    EXPECT_FALSE(Find(texts, Of("name").valueX, Of("name").valueY)->fitted);
}

// DrawText would take an "&" as a mnemonic ("AT&T" as "ATT" with T underlined);
// TextOut draws every character as it is.
TEST(PanelTexts, EveryValueDrawsAnAmpersandAsItIs) {
    wlanstat::AdapterStatus s = FullStatus(1, 1);
    for (std::wstring* v : {&s.description, &s.friendlyName, &s.ssid, &s.bssid, &s.macAddress, &s.ipAddress,
                            &s.subnetMask, &s.gateway, &s.dhcpServer, &s.dnsServer1, &s.dnsServer2})
        *v = L"AT&T 5G";
    int values = 0;
    for (const PanelText& t : PanelTexts(PANEL_CONNECTED, s)) {
        if (t.kind != PanelTextKind::Value) continue;
        ++values;
        SCOPED_TRACE(t.row);
        EXPECT_TRUE(!t.fitted || (t.format & kNoPrefix) != 0);
    }
    EXPECT_GE(values, 17);
}

TEST(PanelTexts, ZeroValuesLeaveTheirPlaceEmptyButCountersShowZero) {
    wlanstat::AdapterStatus s = FullStatus(1, 1);
    s.channel = 0;
    s.rssi = 0;
    s.linkSpeed = 0.0;
    s.txFrames = 0;
    s.rxFrames = 0;
    s.dnsServer2.clear();
    const auto texts = PanelTexts(PANEL_CONNECTED, s);
    ExpectValues(texts, {{&Of("channel"), L"<none>"}, {&Of("speed"), L"<none>"}, {&Of("signal"), L"<none>"},
                         {&Of("tx"), L"0"}, {&Of("rx"), L"0"}, {&Of("dns2"), L"<none>"}});
}

TEST(PanelTexts, ValueForms) {
    EXPECT_EQ(NonZeroNumberText(0), L"");
    EXPECT_EQ(NonZeroNumberText(-45), L"-45");
    EXPECT_EQ(NonZeroNumberText(std::numeric_limits<std::int32_t>::min()), L"-2147483648");
    EXPECT_EQ(LinkSpeedText(0.0, L"Mbps"), L"");
    EXPECT_EQ(LinkSpeedText(1.3, L"Gbps"), L"1.3 Gbps");
    EXPECT_EQ(LinkSpeedText(54.0, L"Mbps"), L"54.0 Mbps");
    EXPECT_EQ(LinkSpeedText(0.04, L"Kbps"), L"0.0 Kbps");  // non-zero speeds always show
    EXPECT_EQ(LinkSpeedText(1e300, L"bps").substr(0, 4), L"1000");
    EXPECT_EQ(FrameCountText(0), L"0");
    EXPECT_EQ(FrameCountText(9223372036854775807ull), L"9223372036854775807");
}
