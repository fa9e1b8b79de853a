// One collection cycle against the system's real calls (run under Wine, or on
// Windows): wall time and CPU time per cycle. Not a test.
//   wlanstat_cycle_bench.exe [cycles]
#include <winsock2.h>
#include <iphlpapi.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "wlanstat/info/refresh_loop.h"
#include "wlanstat/info/test_support/info_fakes.h"
#include "wlanstat/info/system_platform.h"

namespace wlanstat {
namespace {

double ThreadCpuMs() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

void Measure(const char* name, int cycles, const std::function<void()>& body) {
    body();  // warm: DLLs loaded, entry points resolved
    LARGE_INTEGER f, t0, t1;
    QueryPerformanceFrequency(&f);
    const double cpu0 = ThreadCpuMs();
    QueryPerformanceCounter(&t0);
    for (int i = 0; i < cycles; ++i) body();
    QueryPerformanceCounter(&t1);
    const double cpu = (ThreadCpuMs() - cpu0) / cycles;
    const double wall = static_cast<double>(t1.QuadPart - t0.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart) / cycles;
    std::printf("%-50s %9.1f us wall %9.1f us CPU per cycle (%d cycles)\n", name, wall * 1000, cpu * 1000, cycles);
}

// The GUID text of the first adapter the IP helper lists, to time the address step.
std::wstring FirstAdapterName() {
    SystemIpHelper ip;
    std::uint32_t size = kAdapterTableFirstSize;
    std::uint32_t r = ip.QueryTable(size);
    if (r == kErrorBufferOverflow) r = ip.QueryTable(size);
    std::wstring name;
    if (r == 0) ip.NextAdapter(name);
    return name;
}

int Main(int cycles) {
    fakes::NoWindow host;
    StatusMembers dialog(host);
    SystemPlatform system(*dialog.workerLink);
    GuardedSelection selection(dialog, *dialog.workerLink);
    AdapterStatus status;

    Measure("whole cycle (WLAN open, enumerate, close)", cycles, [&] {
        CollectOnce(dialog, *dialog.workerLink, system.Platform(), selection, status);
    });
    const std::wstring adapter = FirstAdapterName();
    if (!adapter.empty()) {
        Measure("address step (GetAdaptersAddresses, one adapter)", cycles, [&] {
            AdapterStatus s;
            QueryAdapterAddresses(system.Platform().ip, adapter, s);
        });
        Measure("identity step", cycles, [&] {
            AdapterStatus s;
            QueryAdapterIdentity(system.Platform().ip, adapter, s);
        });
    }
    Measure("counter step (device cannot be opened)", cycles, [&] {
        AdapterStatus s;
        QueryTrafficCounters(system.Platform().counters, L"{0C99DF9C-2283-41F1-B34F-324AB76F76AC}", s);
    });
    return 0;
}

}  // namespace
}  // namespace wlanstat

int main(int argc, char** argv) {
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    return wlanstat::Main(cycles);
}
