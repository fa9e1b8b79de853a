#include "wlanstat/info/collection_cycle.h"

#include <gtest/gtest.h>

#include "wlanstat/info/test_support/info_fakes.h"
#include "wlanstat/info/refresh_loop.h"

namespace wlanstat {
namespace {

using fakes::CallLog;
using fakes::G;
using fakes::V4;

struct Cycle : ::testing::Test {
    fakes::FakeSystem sys;
    fakes::NoWindow host;
    StatusMembers dialog{host};
    GuardedSelection selection{dialog, *dialog.workerLink};
    AdapterStatus s;

    void SetUp() override {
        sys.wlan.interfaces = {{G(1), L"Quorix K4100ZT", kInterfaceConnected}, {G(2), L"Other", 0}};
        const char ssid[] = "HomeNet";
        std::copy(ssid, ssid + 7, sys.wlan.connection.ssid);
        sys.wlan.connection.ssidLength = 7;
        const std::uint8_t bssid[6] = {0x88, 0x36, 0x6C, 0x01, 0x02, 0xEF};
        std::copy(bssid, bssid + 6, sys.wlan.connection.bssid);
        sys.wlan.channel = 149;
        sys.wlan.rssi = -47;
        sys.counters.values = {{kOidXmitOk, 1000}, {kOidRcvOk, 2000}};
        for (std::uint32_t n : {1u, 2u}) {
            IpAdapterEntry e;
            e.description = L"desc" + std::to_wstring(n);
            e.friendlyName = L"name" + std::to_wstring(n);
            e.unicast = {{V4(10, 0, 0, static_cast<std::uint8_t>(n)), 16}};
            e.transmitLinkSpeed = 1000000000;
            sys.ip.adapters.push_back({GuidText(G(n)), e});
        }
    }
    void Run() { QueryAdapterStatus(sys.platform, selection, s); }
};

TEST_F(Cycle, ConnectedInterfaceGetsTheWholeRecordInOrder) {
    Run();
    EXPECT_EQ(s.interfaceCount, 2);
    EXPECT_EQ(s.connected, 1);
    EXPECT_EQ(s.ssid, L"HomeNet");
    EXPECT_EQ(s.bssid, L"88:36:6C:01:02:EF");
    EXPECT_EQ(s.channel, 149u);
    EXPECT_EQ(s.rssi, -47);
    EXPECT_EQ(s.txFrames, 1000u);
    EXPECT_EQ(s.rxFrames, 2000u);
    EXPECT_EQ(s.description, L"desc1");
    EXPECT_EQ(s.ipAddress, L"10.0.0.1");
    EXPECT_EQ(s.subnetMask, L"255.255.0.0");
    EXPECT_EQ(s.linkSpeedUnit, L"Gbps");
    // The channel query succeeded: no driver request at all.
    EXPECT_EQ(sys.log, (CallLog{"wlan.open", "wlan.enum", "wlan.connection", "wlan.channel", "dev.open",
                                "dev.query", "dev.query", "dev.close", "wlan.rssi", "ip.query",
                                "ip.release", "wlan.close"}));
    EXPECT_EQ(dialog.selectedGuid, G(1));
    EXPECT_EQ(dialog.interfaceList, sys.wlan.interfaces);
}

TEST_F(Cycle, ChannelFallsBackToTheDriverRequest) {
    sys.wlan.channelOk = false;
    sys.wlan.ihvReply[16] = 42;
    sys.wlan.ihvReply[17] = 0x21;
    Run();
    EXPECT_EQ(s.channel, 40u);
    EXPECT_EQ(sys.wlan.ihvRequestSeen, ChanspecRequest());
    EXPECT_EQ(sys.Count("wlan.ihv"), 1);
}

TEST_F(Cycle, DriverRequestFailingOrEmptyLeavesChannel0) {
    sys.wlan.channelOk = false;
    sys.wlan.ihvReply[16] = 42;
    sys.wlan.ihvResult = 50;
    Run();
    EXPECT_EQ(s.channel, 0u);
    s = {};
    sys.wlan.ihvResult = 0;
    sys.wlan.ihvReturned = 0;
    Run();
    EXPECT_EQ(s.channel, 0u);
    EXPECT_EQ(s.rssi, -47);
}

TEST_F(Cycle, SignalQueryFailingLeavesRssi0) {
    sys.wlan.rssiOk = false;
    Run();
    EXPECT_EQ(s.rssi, 0);
    EXPECT_EQ(s.ssid, L"HomeNet");
}

TEST_F(Cycle, ConnectionQueryDeniedLeavesOnlySsidAndBssidEmpty) {
    sys.wlan.channelOk = false;  // the channel comes from the driver's answer
    sys.wlan.ihvReply[16] = 42;
    sys.wlan.ihvReply[17] = 0x21;
    Run();
    AdapterStatus want = s;
    want.ssid.clear();
    want.bssid.clear();
    s = {};
    sys.wlan.connectionResult = kErrorAccessDenied;  // no location consent
    Run();
    EXPECT_EQ(s, want);
    EXPECT_EQ(s.connected, 1);
    EXPECT_EQ(s.channel, 40u);
    EXPECT_EQ(s.ipAddress, L"10.0.0.1");
    EXPECT_EQ(sys.log.back(), "wlan.close");
}

TEST_F(Cycle, ConnectionQueryFailingOtherwiseEndsTheCycleConnectedWithNothingElse) {
    AdapterStatus want;
    want.interfaceCount = 2;
    want.connected = 1;
    for (std::uint32_t error : {87u, 1168u, 13u}) {  // bad parameter, not found, short answer
        SCOPED_TRACE(error);
        sys.log.clear();
        s = {};
        sys.wlan.connectionResult = error;
        Run();
        EXPECT_EQ(s, want);
        EXPECT_EQ(sys.log, (CallLog{"wlan.open", "wlan.enum", "wlan.connection", "wlan.close"}));
    }
}

TEST_F(Cycle, NotConnectedInterfaceGetsIdentityOnly) {
    dialog.selectedGuid = G(2);
    Run();
    AdapterStatus want;
    want.interfaceCount = 2;
    want.description = L"desc2";
    want.friendlyName = L"name2";
    want.macAddress = L"00:00:00:00:00:00";
    EXPECT_EQ(s, want);
    EXPECT_EQ(dialog.selectedIndex, 1);
    EXPECT_EQ(sys.Count("wlan.connection"), 0);
    EXPECT_EQ(sys.Count("dev.open"), 0);
}

TEST_F(Cycle, RemovedInterfaceFallsBackToEntry0) {
    dialog.selectedGuid = G(7);
    dialog.selectedIndex = 3;
    Run();
    EXPECT_EQ(dialog.selectedGuid, G(1));
    EXPECT_EQ(dialog.selectedIndex, 0);
    EXPECT_EQ(sys.wlan.lastGuid, G(1));
}

TEST_F(Cycle, NoInterfaceResetsTheSelectionButKeepsTheList) {
    Run();
    sys.wlan.interfaces.clear();
    dialog.selectedIndex = 1;
    s = {};
    Run();
    EXPECT_EQ(s, AdapterStatus{});
    EXPECT_EQ(dialog.selectedGuid, kNullGuid);
    EXPECT_EQ(dialog.selectedIndex, 0);
    EXPECT_EQ(dialog.interfaceList.size(), 2u);
}

TEST_F(Cycle, EnumerationOrOpenFailingLeavesEverythingEmpty) {
    sys.wlan.enumOk = false;
    Run();
    EXPECT_EQ(s, AdapterStatus{});
    EXPECT_EQ(sys.log, (CallLog{"wlan.open", "wlan.enum", "wlan.close"}));

    sys.log.clear();
    sys.wlan.openResults = {5};
    Run();
    EXPECT_EQ(s, AdapterStatus{});
    EXPECT_EQ(sys.log, (CallLog{"wlan.open"}));  // not opened: nothing to close
}

TEST_F(Cycle, StoppedServiceIsStartedAndTheCycleCarriesOn) {
    sys.wlan.openResults = {kErrorServiceNotActive, 0};
    sys.scm.states = {{1, 0}, {2, 100}, {kServiceRunning, 0}};
    Run();
    EXPECT_EQ(s.ssid, L"HomeNet");
    EXPECT_EQ(sys.Count("wlan.open"), 2);
    EXPECT_EQ(sys.Count("scm.start"), 1);
    EXPECT_EQ(sys.Count("wlan.close"), 1);
}

TEST_F(Cycle, ServiceThatCannotStartOrSecondOpenFailingEndsTheCycle) {
    sys.wlan.openResults = {kErrorServiceNotActive};
    sys.scm.serviceOk = false;
    Run();
    EXPECT_EQ(s, AdapterStatus{});
    EXPECT_EQ(sys.Count("wlan.open"), 1);

    sys.log.clear();
    sys.scm.serviceOk = true;  // running now, but the handle still cannot be opened
    Run();
    EXPECT_EQ(s, AdapterStatus{});
    EXPECT_EQ(sys.Count("wlan.open"), 2);
    EXPECT_EQ(sys.Count("wlan.close"), 0);
}

TEST_F(Cycle, Utf8SsidShownAsHangulAndOtherBytesFromAnsi) {
    const char utf8[] = "\xEC\x9A\xB0\xEB\xA6\xAC";
    std::copy(utf8, utf8 + 6, sys.wlan.connection.ssid);
    sys.wlan.connection.ssidLength = 6;
    Run();
    EXPECT_EQ(s.ssid, L"\uC6B0\uB9AC");
    s = {};
    sys.wlan.connection.ssid[0] = 0xBF;
    Run();
    EXPECT_EQ(s.ssid.rfind(L"ansi(", 0), 0u);
}

TEST_F(Cycle, StoppedDialogIsNotTouched) {
    dialog.workerLink->Stop();
    Run();
    EXPECT_TRUE(dialog.interfaceList.empty());
    EXPECT_EQ(dialog.selectedGuid, kNullGuid);
    EXPECT_EQ(s.connected, 0);
    EXPECT_EQ(sys.Count("wlan.connection"), 0);
    EXPECT_EQ(sys.log.back(), "wlan.close");
}

}  // namespace
}  // namespace wlanstat
