// One collection cycle against the fakes: the cost of the program's own work
// (selection, texts, record) without the system's. Not a test.
#include <benchmark/benchmark.h>

#include "wlanstat/info/test_support/info_fakes.h"
#include "wlanstat/info/refresh_loop.h"

namespace wlanstat {
namespace {

void Prepare(fakes::FakeSystem& sys, bool connected) {
    sys.wlan.interfaces = {{fakes::G(1), L"Quorix K4100ZT Wireless LAN PCI-E Adapter", connected ? 1 : 0},
                           {fakes::G(2), L"Other", 0}};
    const char ssid[] = "\xEC\x9A\xB0\xEB\xA6\xAC\xEC\xA7\x91_5G";
    std::copy(ssid, ssid + sizeof ssid - 1, sys.wlan.connection.ssid);
    sys.wlan.connection.ssidLength = sizeof ssid - 1;
    sys.wlan.channelOk = false;  // the longer road: the driver request
    sys.wlan.ihvReply[16] = 42;
    sys.wlan.ihvReply[17] = 0x21;
    sys.wlan.rssi = -51;
    sys.counters.values = {{kOidXmitOk, 123456}, {kOidRcvOk, 654321}};
    for (std::uint32_t n = 0; n < 4; ++n) {
        IpAdapterEntry e;
        e.description = L"Adapter " + std::to_wstring(n);
        e.friendlyName = L"Connection " + std::to_wstring(n);
        e.flags = kAdapterDhcpEnabled;
        e.unicast = {{fakes::V6(), 64}, {fakes::V4(192, 168, 0, 17), 24}};
        e.gateways = {fakes::V4(192, 168, 0, 1)};
        e.dhcpv4Server = fakes::V4(192, 168, 0, 1);
        e.dnsServers = {fakes::V6(), fakes::V4(8, 8, 8, 8), fakes::V4(1, 1, 1, 1)};
        e.transmitLinkSpeed = 866700000;
        sys.ip.adapters.push_back({GuidText(n == 3 ? fakes::G(1) : fakes::G(100 + n)), e});
    }
}

void Cycle(benchmark::State& state, bool connected) {
    fakes::FakeSystem sys;
    Prepare(sys, connected);
    fakes::NoWindow host;
    StatusMembers dialog(host);
    GuardedSelection selection(dialog, *dialog.workerLink);
    AdapterStatus status;
    for (auto _ : state) {
        sys.log.clear();
        CollectOnce(dialog, *dialog.workerLink, sys.platform, selection, status);
        std::swap(dialog.liveStatus, status);
        benchmark::DoNotOptimize(dialog.liveStatus);
    }
}

void BM_CycleConnected(benchmark::State& state) { Cycle(state, true); }
void BM_CycleNotConnected(benchmark::State& state) { Cycle(state, false); }
BENCHMARK(BM_CycleConnected);
BENCHMARK(BM_CycleNotConnected);

}  // namespace
}  // namespace wlanstat

BENCHMARK_MAIN();
