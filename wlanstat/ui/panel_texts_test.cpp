#include "wlanstat/ui/panel_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "wlanstat/ui/wine_tests/sample_status.h"

namespace {

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

std::wstring TextAt(const std::vector<PanelText>& texts, int x, int y) {
    const PanelText* t = Find(texts, x, y);
    return t ? t->text : L"<none>";
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
    EXPECT_EQ(LabelColorOf(PANEL_CONNECTED), 0x000000u);
    EXPECT_EQ(HeadColorOf(PANEL_CONNECTED), 0x0A7C5Au);
    for (PanelState st : {PANEL_NOT_CONNECTED, PANEL_NO_ADAPTER}) {
        EXPECT_EQ(LabelColorOf(st), 0x777777u);
        EXPECT_EQ(HeadColorOf(st), 0x9A9A9Au);
    }
}

TEST(PanelTexts, NoAdapterShowsLabelsHeadsAndStatusLineOnly) {
    const wlanstat::AdapterStatus s = FullStatus(0, 1);  // values present but must not show
    const auto texts = PanelTexts(PANEL_NO_ADAPTER, s);
    ASSERT_EQ(texts.size(), 16u + 3u + 1u);
    EXPECT_EQ(texts[0].text, L"연결상태");
    EXPECT_EQ(texts[15].text, L"DNS 서버");
    EXPECT_EQ(texts[15].x, 350);
    EXPECT_EQ(texts[15].y, 266);
    EXPECT_EQ(texts[16].text, L"무선AP 정보");
    EXPECT_EQ(texts[17].text, L"송신/수신 프레임");
    EXPECT_EQ(texts[17].y, 280);
    EXPECT_EQ(texts[18].text, L"무선랜카드 정보");
    EXPECT_EQ(texts[19].text, L"무선 랜카드가 발견되지 않습니다");
    EXPECT_EQ(texts[19].x, 126);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(texts[i].color, 0x777777u);
    for (int i = 16; i < 19; ++i) EXPECT_EQ(texts[i].color, 0x9A9A9Au);
    EXPECT_EQ(texts[19].color, 0x777777u);
}

TEST(PanelTexts, NotConnectedShowsIdentityOnly) {
    const auto texts = PanelTexts(PANEL_NOT_CONNECTED, FullStatus(1, 0));
    ASSERT_EQ(texts.size(), 20u + 3u);
    EXPECT_EQ(TextAt(texts, 126, 76), L"무선 AP에 연결되어 있지 않습니다");
    EXPECT_EQ(TextAt(texts, 126, 97), L"Wi-Fi");
    EXPECT_EQ(TextAt(texts, 126, 116), L"Quorix K4100ZT 802.11ac PCIe Adapter");
    EXPECT_EQ(TextAt(texts, 453, 166), L"00:E0:4C:81:12:34");
    EXPECT_EQ(TextAt(texts, 126, 304), L"<none>");
    EXPECT_EQ(TextAt(texts, 453, 186), L"<none>");
}

TEST(PanelTexts, ConnectedShowsEveryValueInPlace) {
    const auto texts = PanelTexts(PANEL_CONNECTED, FullStatus(1, 1));
    ASSERT_EQ(texts.size(), 20u + 16u);
    EXPECT_EQ(TextAt(texts, 126, 76), L"무선 AP에 연결되어 있습니다");
    EXPECT_EQ(TextAt(texts, 126, 97), L"Wi-Fi");
    EXPECT_EQ(TextAt(texts, 126, 164), L"office-5G");
    EXPECT_EQ(TextAt(texts, 126, 186), L"88:36:6C:01:02:03");
    EXPECT_EQ(TextAt(texts, 126, 205), L"149");
    EXPECT_EQ(TextAt(texts, 126, 225), L"866.7 Mbps");
    EXPECT_EQ(TextAt(texts, 126, 245), L"-45");
    EXPECT_EQ(TextAt(texts, 126, 304), L"1234");
    EXPECT_EQ(TextAt(texts, 126, 323), L"5678");  // one row above its label
    EXPECT_EQ(TextAt(texts, 453, 186), L"192.168.0.23");
    EXPECT_EQ(TextAt(texts, 453, 206), L"255.255.255.0");
    EXPECT_EQ(TextAt(texts, 453, 226), L"192.168.0.1");
    EXPECT_EQ(TextAt(texts, 453, 246), L"192.168.0.1");
    EXPECT_EQ(TextAt(texts, 453, 266), L"168.126.63.1");
    EXPECT_EQ(TextAt(texts, 453, 286), L"168.126.63.2");
    for (const PanelText& t : texts) {
        const bool isHead = t.y == 142 || t.y == 280;
        EXPECT_EQ(t.color, isHead ? 0x0A7C5Au : 0x000000u) << t.x << "," << t.y;
    }
}

TEST(PanelTexts, DescriptionAndSsidAreFittedIntoTheirBoxes) {
    const auto texts = PanelTexts(PANEL_CONNECTED, FullStatus(1, 1));
    const PanelText* desc = Find(texts, 126, 116);
    ASSERT_NE(desc, nullptr);
    EXPECT_TRUE(desc->fitted);
    EXPECT_EQ(desc->format, 0x8020u | kNoPrefix);
    EXPECT_EQ(desc->box.right, 462);  // stops left of the state picture
    EXPECT_EQ(desc->box.bottom, 129);
    const PanelText* ssid = Find(texts, 126, 164);
    ASSERT_NE(ssid, nullptr);
    EXPECT_TRUE(ssid->fitted);
    EXPECT_EQ(ssid->format, 0x8024u | kNoPrefix);
    EXPECT_EQ(ssid->box.right, 324);
    EXPECT_EQ(ssid->box.bottom, 179);
    EXPECT_FALSE(Find(texts, 126, 97)->fitted);
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
    EXPECT_EQ(TextAt(texts, 126, 205), L"<none>");
    EXPECT_EQ(TextAt(texts, 126, 225), L"<none>");
    EXPECT_EQ(TextAt(texts, 126, 245), L"<none>");
    EXPECT_EQ(TextAt(texts, 126, 304), L"0");
    EXPECT_EQ(TextAt(texts, 126, 323), L"0");
    EXPECT_EQ(TextAt(texts, 453, 286), L"<none>");
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
