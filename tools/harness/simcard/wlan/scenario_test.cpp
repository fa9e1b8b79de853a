// The scenario reader: what a test writes is what the card answers.
#include "tools/harness/simcard/wlan/scenario.h"

#include <gtest/gtest.h>

namespace simcard {
namespace {

TEST(Scenario, ReadsInterfacesWithTheirAssociation) {
    const Scenario s = ParseScenario(
        "# two cards\n"
        "interface {01020304-0506-0708-090A-0B0C0D0E0F10} connected Card #1 (x)  \n"
        "ssid 00:41                # a zero byte first\r\n"
        "bssid 02-1a-2b-3c-4d-5e\n"
        "channel 0x24\n"
        "rssi -58\n"
        "chanspec 2a21\n"
        "interface ip 4 Second\n"
        "ssid\n"
        "chanspec none\n");
    ASSERT_TRUE(s.errors.empty()) << s.errors.front();
    ASSERT_EQ(s.interfaces.size(), 2u);
    const Interface& a = s.interfaces[0];
    // Data1..3 little-endian in memory, Data4 as written.
    const std::array<std::uint8_t, 16> guid = {4, 3, 2, 1, 6, 5, 8, 7, 9, 10, 11, 12, 13, 14, 15, 16};
    EXPECT_EQ(a.guid, guid);
    EXPECT_EQ(a.state, 1u);
    EXPECT_EQ(a.description, "Card #1 (x)");
    EXPECT_EQ(a.ssid, (std::vector<std::uint8_t>{0x00, 0x41}));
    EXPECT_EQ(a.bssid, (std::array<std::uint8_t, 6>{0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}));
    EXPECT_EQ(a.channel, 36u);
    EXPECT_EQ(a.rssi, -58);
    EXPECT_EQ(a.chanspec, (std::vector<std::uint8_t>{0x2A, 0x21}));
    const Interface& b = s.interfaces[1];
    EXPECT_TRUE(b.guidFromIpHelper);
    EXPECT_EQ(b.state, 4u);
    EXPECT_TRUE(b.ssid.empty());
    EXPECT_FALSE(b.channel || b.rssi);
    ASSERT_TRUE(b.chanspec);  // answers, with nothing
    EXPECT_TRUE(b.chanspec->empty());
}

TEST(Scenario, ReadsServiceAndFailures) {
    Scenario s = ParseScenario("service disabled never 500\nfail open 1062\nfail rssi 0x32\n");
    EXPECT_EQ(s.service.startType, "disabled");
    EXPECT_FALSE(s.service.pendingMs);
    EXPECT_EQ(s.service.waitHintMs, 500u);
    EXPECT_EQ(s.failures.at("open"), 1062u);
    EXPECT_EQ(s.failures.at("rssi"), 50u);
    s = ParseScenario("");
    EXPECT_EQ(s.service.startType, "demand");
    EXPECT_EQ(s.service.pendingMs, 0u);
}

TEST(Scenario, NamesEveryLineItCannotRead) {
    const Scenario s = ParseScenario(
        "ssid 41\n"                                                  // before any interface
        "interface {0102} connected X\n"                             // short GUID
        "interface {01020304-0506-0708-090A-0B0C0D0E0F10} lost X\n"  // unknown state
        "interface ip connected X\n"
        "ssid " + std::string(66, 'a') + "\n"                        // 33 bytes
        "bssid 0102\n"
        "ssid 4\n"                                                    // half a byte
        "service sometimes\n"
        "whatever\n");
    EXPECT_EQ(s.errors.size(), 8u);
    ASSERT_EQ(s.interfaces.size(), 1u);
    EXPECT_TRUE(s.interfaces[0].ssid.empty());
}

}  // namespace
}  // namespace simcard
