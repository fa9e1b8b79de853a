#include "wlanstat/info/value_text.h"

#include <gtest/gtest.h>

#include "wlanstat/info/adapter_status.h"
#include "wlanstat/info/guid.h"

namespace wlanstat {
namespace {

TEST(ScaleLinkSpeed, FirstThresholdReachedPicksTheUnit) {
    struct Row {
        std::uint64_t bps;
        double value;
        const wchar_t* unit;
    };
    for (const Row& r : {Row{1000000000, 1.0, L"Gbps"}, Row{866700000, 866.7, L"Mbps"},
                         Row{54000000, 54.0, L"Mbps"}, Row{999999, 999.999, L"Kbps"},
                         Row{1000, 1.0, L"Kbps"}, Row{999, 999.0, L"bps"}, Row{0, 0.0, L"bps"},
                         Row{2400000000ull, 2.4, L"Gbps"}}) {
        const ScaledSpeed s = ScaleLinkSpeed(r.bps);
        EXPECT_DOUBLE_EQ(s.value, r.value) << r.bps;
        EXPECT_STREQ(s.unit, r.unit) << r.bps;
    }
}

TEST(MaskText, TopPrefixBitsSet) {
    EXPECT_EQ(MaskText(24), L"255.255.255.0");
    EXPECT_EQ(MaskText(0), L"0.0.0.0");
    EXPECT_EQ(MaskText(32), L"255.255.255.255");
    EXPECT_EQ(MaskText(20), L"255.255.240.0");
    EXPECT_EQ(MaskText(1), L"128.0.0.0");
    EXPECT_EQ(MaskText(200), L"255.255.255.255");
}

TEST(MacText, UpperCaseHexPairsJoinedByColons) {
    const std::uint8_t mac[6] = {0x00, 0x1a, 0xB2, 0x0f, 0xff, 0x09};
    EXPECT_EQ(MacText(mac), L"00:1A:B2:0F:FF:09");
}

TEST(Ipv4Text, DottedDecimalWithoutPadding) {
    const std::uint8_t a[4] = {192, 168, 0, 1};
    const std::uint8_t b[4] = {0, 0, 0, 0};
    EXPECT_EQ(Ipv4Text(a), L"192.168.0.1");
    EXPECT_EQ(Ipv4Text(b), L"0.0.0.0");
}

TEST(GuidText, BracedUpperCase38Characters) {
    const Guid g{0x1a2b3c4d, 0x5e6f, 0x0a0b, {0xc0, 0xd1, 0x00, 0x01, 0x02, 0x03, 0xfe, 0xff}};
    EXPECT_EQ(GuidText(g), L"{1A2B3C4D-5E6F-0A0B-C0D1-00010203FEFF}");
    EXPECT_EQ(GuidText(kNullGuid), L"{00000000-0000-0000-0000-000000000000}");
}

TEST(AdapterStatus, ClearEmptiesEveryFieldAndCopyTakesAll) {
    AdapterStatus s;
    s.interfaceCount = 2, s.connected = 1, s.channel = 36, s.rssi = -50, s.linkSpeed = 866.7;
    s.txFrames = 5, s.rxFrames = 6;
    for (std::wstring* t : {&s.description, &s.friendlyName, &s.macAddress, &s.ipAddress,
                            &s.subnetMask, &s.gateway, &s.dhcpServer, &s.dnsServer1,
                            &s.dnsServer2, &s.ssid, &s.bssid, &s.linkSpeedUnit})
        *t = L"x";
    const AdapterStatus copy = s;
    EXPECT_EQ(copy, s);
    ClearStatus(s);
    EXPECT_EQ(s, AdapterStatus{});
    EXPECT_EQ(copy.ssid, L"x");
}

}  // namespace
}  // namespace wlanstat
