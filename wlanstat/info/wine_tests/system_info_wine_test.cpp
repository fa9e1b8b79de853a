// The collection's system side against Wine's real DLLs.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "wlanstat/info/test_support/info_fakes.h"
#include "wlanstat/info/refresh_loop.h"
#include "wlanstat/info/system_platform.h"
#include "wlanstat/info/value_text.h"

namespace wlanstat {
namespace {

TEST(SystemWlan, OpensAndListsNoInterfaceUnderWine) {
    SystemWlanClient wlan;
    ASSERT_EQ(wlan.Open(), 0u);
    std::vector<InterfaceInfo> list{{fakes::G(1), L"stale", 1}};
    EXPECT_TRUE(wlan.EnumInterfaces(list));
    EXPECT_TRUE(list.empty());
    wlan.Close();
    wlan.Close();  // closing twice is harmless
}

TEST(SystemCycle, EndsWithNoAdapterAndResetsTheSelection) {
    fakes::NoWindow host;
    StatusMembers dialog(host);
    dialog.selectedGuid = fakes::G(1);
    dialog.selectedIndex = 1;
    dialog.interfaceList = {{fakes::G(1), L"kept", 1}};
    SystemPlatform system(*dialog.workerLink);
    GuardedSelection selection(dialog, *dialog.workerLink);
    AdapterStatus status;
    status.ssid = L"from an earlier cycle";
    ClearStatus(status);
    QueryAdapterStatus(system.Platform(), selection, status);
    EXPECT_EQ(status, AdapterStatus{});
    EXPECT_EQ(dialog.selectedGuid, kNullGuid);
    EXPECT_EQ(dialog.selectedIndex, 0);
    EXPECT_EQ(dialog.interfaceList.size(), 1u);
}

TEST(SystemServiceGuard, NoWlanServiceGivesZeroWithoutWaiting) {
    WorkerLink link;
    SystemServiceControl scm;
    LinkWaitClock clock(link);
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(EnsureWlanService(scm, clock), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(3));
}

// What Wine's table says about the first adapter with an IPv4 address, read here
// independently (getnameinfo for the texts).
struct Expected {
    std::wstring name, description, friendlyName, mac, ip;
    int prefix = -1;
};

bool FirstIpv4Adapter(Expected& e) {
    ULONG size = 0;
    if (GetAdaptersAddresses(AF_UNSPEC, GAA_FLAG_INCLUDE_GATEWAYS, nullptr, nullptr, &size) != ERROR_BUFFER_OVERFLOW)
        return false;
    std::vector<ULONGLONG> buffer(size / 8 + 1);
    auto* table = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data());
    if (GetAdaptersAddresses(AF_UNSPEC, GAA_FLAG_INCLUDE_GATEWAYS, nullptr, table, &size) != 0) return false;
    for (auto* a = table; a != nullptr; a = a->Next) {
        for (auto* u = a->FirstUnicastAddress; u != nullptr; u = u->Next) {
            if (u->Address.lpSockaddr->sa_family != AF_INET) continue;
            char host[256] = {};
            getnameinfo(u->Address.lpSockaddr, u->Address.iSockaddrLength, host, sizeof host, nullptr, 0,
                        NI_NUMERICHOST);
            e.ip.assign(host, host + std::strlen(host));
            e.prefix = u->OnLinkPrefixLength;
            e.name.assign(a->AdapterName, a->AdapterName + std::strlen(a->AdapterName));
            e.description = a->Description ? a->Description : L"";
            e.friendlyName = a->FriendlyName ? a->FriendlyName : L"";
            wchar_t mac[18];
            const BYTE* p = a->PhysicalAddress;
            swprintf(mac, 18, L"%02X:%02X:%02X:%02X:%02X:%02X", p[0], p[1], p[2], p[3], p[4], p[5]);
            e.mac = mac;
            return true;
        }
    }
    return false;
}

class SystemIp : public ::testing::Test {
protected:
    void SetUp() override {
        WSADATA data;
        ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
        if (!FirstIpv4Adapter(e)) GTEST_SKIP() << "no adapter with an IPv4 address";
    }
    void TearDown() override { WSACleanup(); }
    Expected e;
};

std::wstring Upper(std::wstring s) {
    for (wchar_t& c : s)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
    return s;
}

TEST_F(SystemIp, AddressStepMatchesTheTableForAnAdapterGuid) {
    SystemIpHelper ip;
    AdapterStatus s;
    QueryAdapterAddresses(ip, Upper(e.name), s);
    EXPECT_EQ(s.description, e.description);
    EXPECT_EQ(s.friendlyName, e.friendlyName);
    EXPECT_EQ(s.macAddress, e.mac);
    EXPECT_EQ(s.ipAddress, e.ip);
    EXPECT_EQ(s.subnetMask, MaskText(static_cast<std::uint32_t>(e.prefix)));
    EXPECT_FALSE(s.linkSpeedUnit.empty());
}

TEST_F(SystemIp, IdentityStepFillsIdentityOnly) {
    SystemIpHelper ip;
    AdapterStatus s;
    QueryAdapterIdentity(ip, e.name, s);
    EXPECT_EQ(s.description, e.description);
    EXPECT_EQ(s.macAddress, e.mac);
    EXPECT_EQ(s.ipAddress, L"");
    EXPECT_EQ(s.linkSpeedUnit, L"");
}

TEST_F(SystemIp, TooSmallFirstBufferIsRetriedWithTheReportedSize) {
    SystemIpHelper ip;
    std::uint32_t size = 16;
    ASSERT_EQ(ip.QueryTable(size), kErrorBufferOverflow);
    EXPECT_GT(size, 16u);
    ASSERT_EQ(ip.QueryTable(size), 0u);
    std::wstring name;
    EXPECT_TRUE(ip.NextAdapter(name));
    ip.ReleaseTable();
    EXPECT_FALSE(ip.NextAdapter(name));
}

// GetAdaptersAddresses as a hostile system could answer: the first call asks
// for `need` bytes, later ones fill the buffer to the size they are told and
// answer one empty entry.
struct TableStandIn {
    static inline ULONG need = 0;
    static inline std::vector<ULONG> told;
    static ULONG WINAPI Query(ULONG, ULONG, PVOID, PIP_ADAPTER_ADDRESSES table, PULONG size) {
        told.push_back(*size);
        if (told.size() == 1) {
            *size = need;
            return ERROR_BUFFER_OVERFLOW;
        }
        if (table == nullptr || *size < sizeof(IP_ADAPTER_ADDRESSES)) return ERROR_INVALID_PARAMETER;
        std::memset(table, 0, *size);
        return ERROR_SUCCESS;
    }
};

TEST(SystemIpSize, TheSecondCallIsToldTheSizeThatWasAllocated) {
    for (ULONG need : {1001u, 1003u, 1008u}) {
        SCOPED_TRACE(need);
        TableStandIn::need = need;
        TableStandIn::told.clear();
        SystemIpHelper ip(&TableStandIn::Query);
        AdapterStatus s;
        QueryAdapterAddresses(ip, L"{0C99DF9C-2283-41F1-B34F-324AB76F76AC}", s);
        ASSERT_EQ(TableStandIn::told.size(), 2u);
        EXPECT_EQ(TableStandIn::told[0], kAdapterTableFirstSize);
        EXPECT_EQ(TableStandIn::told[1], (need + 7) / 8 * 8);
    }
}

TEST(SystemIpSize, AnAbsurdSizeIsNotAskedFor) {
    for (ULONG need : {0xFFFFFFFFu, 0xFFFFFFF9u, 0x80000000u, 0x01000001u, 0u}) {
        SCOPED_TRACE(need);
        TableStandIn::need = need;
        TableStandIn::told.clear();
        SystemIpHelper ip(&TableStandIn::Query);
        std::uint32_t size = kAdapterTableFirstSize;
        ASSERT_EQ(ip.QueryTable(size), kErrorBufferOverflow);
        EXPECT_NE(ip.QueryTable(size), 0u);
        EXPECT_EQ(TableStandIn::told.size(), 1u);
        std::wstring name;
        EXPECT_FALSE(ip.NextAdapter(name));
    }
}

TEST(SystemCounters, DeviceThatCannotBeOpenedLeavesBothZero) {
    SystemCounterDevice device;
    AdapterStatus s;
    QueryTrafficCounters(device, L"{0C99DF9C-2283-41F1-B34F-324AB76F76AC}", s);
    EXPECT_EQ(s.txFrames, 0u);
    EXPECT_EQ(s.rxFrames, 0u);
    CounterAnswer answer;
    EXPECT_FALSE(device.Query(kOidXmitOk, answer));
}

TEST(SystemText, GuidTextIsWhatStringFromGuid2Writes) {
    const Guid g{0x04A537B4, 0x22EB, 0x4199, {0x85, 0x1D, 0x19, 0x0F, 0x05, 0xDC, 0x16, 0x82}};
    GUID native;
    std::memcpy(&native, &g, sizeof native);
    wchar_t text[39] = {};
    ASSERT_EQ(StringFromGUID2(native, text, 39), 39);
    EXPECT_EQ(GuidText(g), text);
}

TEST(SystemText, AnsiFallbackForNonUtf8Ssid) {
    SystemAnsiText ansi;
    EXPECT_EQ(ansi.FromAnsi("Cafe", 4), L"Cafe");
    const std::uint8_t latin[] = {'C', 'a', 'f', 0xE9};
    const std::wstring viaAnsi = SsidText(latin, 4, ansi);
    EXPECT_EQ(viaAnsi, ansi.FromAnsi(reinterpret_cast<const char*>(latin), 4));
    EXPECT_EQ(viaAnsi.size(), 4u);
    const std::uint8_t utf8[] = {0xEC, 0x9A, 0xB0};
    EXPECT_EQ(SsidText(utf8, 3, ansi), L"\uC6B0");
}

}  // namespace
}  // namespace wlanstat
