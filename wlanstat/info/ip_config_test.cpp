#include "wlanstat/info/ip_config.h"

#include <gtest/gtest.h>

#include "wlanstat/info/test_support/info_fakes.h"
#include "wlanstat/info/traffic_counters.h"

namespace wlanstat {
namespace {

using fakes::V4;
using fakes::V6;

const std::wstring kGuid = L"{1A2B3C4D-5E6F-0A0B-C0D1-00010203FEFF}";

IpAdapterEntry Wireless() {
    IpAdapterEntry e;
    e.friendlyName = L"Wi-Fi";
    e.description = L"Quorix K4100ZT";
    const std::uint8_t mac[6] = {0x00, 0xE0, 0x4C, 0x81, 0x92, 0xA3};
    std::copy(mac, mac + 6, e.physicalAddress);
    e.flags = kAdapterDhcpEnabled;
    e.unicast = {{V6(), 64}, {V4(192, 168, 0, 17), 24}, {V4(10, 0, 0, 9), 8}};
    e.gateways = {V6(), V4(192, 168, 0, 1), V4(192, 168, 0, 254)};
    e.dhcpv4Server = V4(192, 168, 0, 1);
    e.dnsServers = {V6(), V4(8, 8, 8, 8), V4(1, 1, 1, 1), V4(9, 9, 9, 9)};
    e.transmitLinkSpeed = 866700000;
    return e;
}

struct IpConfig : ::testing::Test {
    fakes::FakeSystem sys;
    AdapterStatus s;
    void SetUp() override {
        IpAdapterEntry other;
        other.description = L"Ethernet";
        sys.ip.adapters = {{L"{00000000-0000-0000-0000-000000000001}", other},
                           {L"{1a2b3c4d-5e6f-0a0b-c0d1-00010203feff}", Wireless()}};
    }
};

TEST_F(IpConfig, AddressStepFillsIdentityAndFirstIpv4OfEachKind) {
    QueryAdapterAddresses(sys.ip, kGuid, s);
    EXPECT_EQ(s.friendlyName, L"Wi-Fi");
    EXPECT_EQ(s.description, L"Quorix K4100ZT");
    EXPECT_EQ(s.macAddress, L"00:E0:4C:81:92:A3");
    EXPECT_EQ(s.ipAddress, L"192.168.0.17");
    EXPECT_EQ(s.subnetMask, L"255.255.255.0");
    EXPECT_EQ(s.gateway, L"192.168.0.1");
    EXPECT_EQ(s.dhcpServer, L"192.168.0.1");
    // The IPv6 server listed first is not numbered; the third IPv4 one is dropped.
    EXPECT_EQ(s.dnsServer1, L"8.8.8.8");
    EXPECT_EQ(s.dnsServer2, L"1.1.1.1");
    EXPECT_DOUBLE_EQ(s.linkSpeed, 866.7);
    EXPECT_EQ(s.linkSpeedUnit, L"Mbps");
    EXPECT_EQ(sys.ip.sizesAsked, (std::vector<std::uint32_t>{15360}));
    EXPECT_EQ(sys.ip.released, 1);
}

TEST_F(IpConfig, IdentityStepFillsIdentityOnly) {
    QueryAdapterIdentity(sys.ip, kGuid, s);
    AdapterStatus want;
    want.friendlyName = L"Wi-Fi";
    want.description = L"Quorix K4100ZT";
    want.macAddress = L"00:E0:4C:81:92:A3";
    EXPECT_EQ(s, want);
    EXPECT_EQ(sys.ip.released, 1);
}

TEST_F(IpConfig, OverflowRetriesOnceWithTheReportedSize) {
    sys.ip.results = {kErrorBufferOverflow, 0};
    QueryAdapterAddresses(sys.ip, kGuid, s);
    EXPECT_EQ(sys.ip.sizesAsked, (std::vector<std::uint32_t>{15360, 40000}));
    EXPECT_EQ(s.ipAddress, L"192.168.0.17");

    s = {};
    sys.ip.sizesAsked.clear();
    sys.ip.results = {kErrorBufferOverflow};  // overflow again: give up
    QueryAdapterAddresses(sys.ip, kGuid, s);
    EXPECT_EQ(sys.ip.sizesAsked.size(), 2u);
    EXPECT_EQ(s, AdapterStatus{});
}

TEST_F(IpConfig, FailureOrNoMatchingAdapterLeavesAllEmpty) {
    sys.ip.results = {87};
    QueryAdapterAddresses(sys.ip, kGuid, s);
    EXPECT_EQ(s, AdapterStatus{});
    EXPECT_EQ(sys.ip.sizesAsked.size(), 1u);
    sys.ip.results = {0};
    QueryAdapterAddresses(sys.ip, L"{FFFFFFFF-0000-0000-0000-000000000000}", s);
    EXPECT_EQ(s, AdapterStatus{});
    EXPECT_EQ(sys.ip.released, 2);
}

TEST_F(IpConfig, DhcpDisabledAndMissingKindsStayEmpty) {
    IpAdapterEntry e = Wireless();
    e.flags = 0;
    e.unicast = {{V6(), 64}};
    e.gateways = {};
    e.dnsServers = {V6(), V4(4, 4, 4, 4)};
    e.transmitLinkSpeed = 0;
    sys.ip.adapters[1].entry = e;
    QueryAdapterAddresses(sys.ip, kGuid, s);
    EXPECT_EQ(s.dhcpServer, L"");
    EXPECT_EQ(s.ipAddress, L"");
    EXPECT_EQ(s.subnetMask, L"");
    EXPECT_EQ(s.gateway, L"");
    EXPECT_EQ(s.dnsServer1, L"4.4.4.4");
    EXPECT_EQ(s.dnsServer2, L"");
    EXPECT_EQ(s.linkSpeedUnit, L"bps");
    EXPECT_EQ(s.macAddress, L"00:E0:4C:81:92:A3");
}

TEST(SameAdapterName, IgnoresCaseOfAsciiLettersOnly) {
    EXPECT_TRUE(SameAdapterName(L"{abcdef01-...}", L"{ABCDEF01-...}"));
    EXPECT_FALSE(SameAdapterName(L"{ABC}", L"{ABD}"));
    EXPECT_FALSE(SameAdapterName(L"{ABC}", L"{ABC}x"));
    EXPECT_FALSE(SameAdapterName(L"{AB\u00e9}", L"{AB\u00c9}"));
}

struct Counters : ::testing::Test {
    fakes::FakeSystem sys;
    AdapterStatus s;
};

TEST_F(Counters, BothCountersFromTheAdapterDevice) {
    sys.counters.values = {{kOidXmitOk, 123456789012ull}, {kOidRcvOk, 42}};
    QueryTrafficCounters(sys.counters, kGuid, s);
    EXPECT_EQ(sys.counters.path, L"\\\\.\\" + kGuid);
    EXPECT_EQ(s.txFrames, 123456789012ull);
    EXPECT_EQ(s.rxFrames, 42u);
    EXPECT_EQ(sys.log, (fakes::CallLog{"dev.open", "dev.query", "dev.query", "dev.close"}));
}

// A driver that fills 4 bytes of the 8: nothing of the transmit answer may show
// in the receive count.
TEST_F(Counters, AFourByteAnswerIsAThirtyTwoBitCountOfItsOwn) {
    sys.counters.values = {{kOidXmitOk, 0x0000000500000007}, {kOidRcvOk, 0xFFFFFFFF00000009}};
    sys.counters.answerSizes = {{kOidRcvOk, 4}};
    QueryTrafficCounters(sys.counters, kGuid, s);
    EXPECT_EQ(s.txFrames, 0x0000000500000007u);
    EXPECT_EQ(s.rxFrames, 9u);

    s = {};
    sys.counters.values = {{kOidXmitOk, 0xABCD00000000FFFF}, {kOidRcvOk, 4'000'000'000}};
    sys.counters.answerSizes = {{kOidXmitOk, 4}, {kOidRcvOk, 4}};
    QueryTrafficCounters(sys.counters, kGuid, s);
    EXPECT_EQ(s.txFrames, 0xFFFFu);
    EXPECT_EQ(s.rxFrames, 4'000'000'000u);
}

TEST_F(Counters, AnswersOfAnyOtherSizeAreNoCount) {
    for (std::uint32_t size : {0u, 1u, 2u, 3u, 5u, 7u, 9u, 16u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(size);
        s = {};
        sys.counters.values = {{kOidXmitOk, 123}, {kOidRcvOk, 456}};
        sys.counters.answerSizes = {{kOidXmitOk, size}, {kOidRcvOk, 8}};
        QueryTrafficCounters(sys.counters, kGuid, s);
        EXPECT_EQ(s.txFrames, 0u);
        EXPECT_EQ(s.rxFrames, 456u);
    }
}

TEST_F(Counters, FailedRequestOrDeviceLeavesZero) {
    sys.counters.values = {{kOidRcvOk, 42}};
    QueryTrafficCounters(sys.counters, kGuid, s);
    EXPECT_EQ(s.txFrames, 0u);
    EXPECT_EQ(s.rxFrames, 42u);

    s = {};
    sys.log.clear();
    sys.counters.openOk = false;
    QueryTrafficCounters(sys.counters, kGuid, s);
    EXPECT_EQ(s.txFrames, 0u);
    EXPECT_EQ(s.rxFrames, 0u);
    EXPECT_EQ(sys.log, (fakes::CallLog{"dev.open"}));
}

}  // namespace
}  // namespace wlanstat
