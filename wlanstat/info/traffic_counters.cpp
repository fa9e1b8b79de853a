#include "wlanstat/info/traffic_counters.h"

namespace wlanstat {

std::wstring CounterDevicePath(const std::wstring& guidText) { return L"\\\\.\\" + guidText; }

void QueryTrafficCounters(CounterDevice& device, const std::wstring& guidText, AdapterStatus& status) {
    if (!device.Open(CounterDevicePath(guidText))) return;
    std::uint64_t buffer = 0;
    if (device.Query(kOidXmitOk, buffer)) status.txFrames = buffer;
    if (device.Query(kOidRcvOk, buffer)) status.rxFrames = buffer;
    device.Close();
}

}  // namespace wlanstat
