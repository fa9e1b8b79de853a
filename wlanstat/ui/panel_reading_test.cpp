#include "wlanstat/ui/panel_reading.h"

#include <gtest/gtest.h>

#include "wlanstat/ui/test_support/expected_panel.h"
#include "wlanstat/ui/test_support/sample_status.h"

namespace {

using expected_panel::Of;

std::vector<std::wstring> Names(PanelState state, const wlanstat::AdapterStatus& status) {
    std::vector<std::wstring> names;
    for (const PanelReadingItem& item : PanelReading(PanelTexts(state, status)))
        names.push_back(item.group ? L"[" + item.name + L"]" : item.name);
    return names;
}

}  // namespace

TEST(PanelReading, ConnectedReadsEachLabelWithItsValuesColumnByColumn) {
    const std::vector<std::wstring> expected{
        L"연결상태 무선 AP에 연결되어 있습니다",
        L"이름 Wi-Fi",
        L"장치이름 Quorix K4100ZT Wireless LAN PCI-E Adapter",
        L"[무선AP 정보]",
        L"SSID office",
        L"BSSID 88:36:6C:01:02:03",
        L"채널 36",
        L"링크속도 866.7 Mbps",
        L"신호세기[dbm] -45",
        L"[송신/수신 프레임]",
        L"전송[Tx] 0",
        L"수신[Rx] 0",
        L"[무선랜카드 정보]",
        L"MAC주소 00:E0:4C:81:12:34",
        L"IP주소 192.168.0.23",
        L"서브넷마스크 255.255.255.0",
        L"게이트웨이 192.168.0.1",
        L"DHCP 서버 192.168.0.1",
        L"DNS 서버 168.126.63.1 168.126.63.2",  // the second server has no label of its own
    };
    EXPECT_EQ(Names(PANEL_CONNECTED, wlanstat::SampleStatus(1, 1)), expected);
}

TEST(PanelReading, LabelsWithoutValuesAreReadAloneAndTheSetNeverChanges) {
    wlanstat::AdapterStatus s = wlanstat::SampleStatus(1, 0);
    const std::vector<std::wstring> notConnected = Names(PANEL_NOT_CONNECTED, s);
    ASSERT_EQ(notConnected.size(), 19u);
    EXPECT_EQ(notConnected[0], L"연결상태 무선 AP에 연결되어 있지 않습니다");
    EXPECT_EQ(notConnected[1], L"이름 Wi-Fi");
    EXPECT_EQ(notConnected[4], L"SSID");
    EXPECT_EQ(notConnected[10], L"전송[Tx]");
    EXPECT_EQ(notConnected[13], L"MAC주소 00:E0:4C:81:12:34");
    EXPECT_EQ(notConnected[14], L"IP주소");

    const std::vector<std::wstring> none = Names(PANEL_NO_ADAPTER, wlanstat::AdapterStatus{});
    ASSERT_EQ(none.size(), 19u);  // same children in every state: ids stay put
    EXPECT_EQ(none[0], L"연결상태 무선 랜카드가 발견되지 않습니다");
    EXPECT_EQ(none[1], L"이름");
    EXPECT_EQ(none[18], L"DNS 서버");

    // A zero channel draws nothing, so its label is read alone.
    s = wlanstat::SampleStatus(1, 1);
    s.channel = 0;
    EXPECT_EQ(Names(PANEL_CONNECTED, s)[6], L"채널");
}

TEST(PanelReading, EachItemKeepsThePaintedTextsThatPlaceIt) {
    const auto items = PanelReading(PanelTexts(PANEL_CONNECTED, wlanstat::SampleStatus(1, 1)));
    const PanelReadingItem& ssid = items[4];
    ASSERT_EQ(ssid.pieces.size(), 2u);
    EXPECT_EQ(ssid.pieces[0].x, Of("ssid").x);
    EXPECT_EQ(ssid.pieces[0].y, Of("ssid").y);
    EXPECT_TRUE(ssid.pieces[1].fitted);
    EXPECT_EQ(ssid.pieces[1].box.right, Of("ssid").right);
    EXPECT_EQ(items[18].pieces.size(), 3u);  // DNS: label and both servers
    EXPECT_TRUE(items[12].group);
    EXPECT_EQ(items[12].pieces[0].x, Of("card").x);
}
