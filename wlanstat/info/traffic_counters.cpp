#include "wlanstat/info/traffic_counters.h"

#include <cstring>

namespace wlanstat {

namespace {

// A fresh buffer for each request: a short answer must not show a byte of the last one.
std::optional<std::uint64_t> Ask(CounterDevice& device, std::uint32_t oid) {
    CounterAnswer answer;
    if (!device.Query(oid, answer)) return std::nullopt;
    return CountFromAnswer(answer);
}

}  // namespace

std::wstring CounterDevicePath(const std::wstring& guidText) { return L"\\\\.\\" + guidText; }

std::optional<std::uint64_t> CountFromAnswer(const CounterAnswer& answer) {
    // The driver writes the count in the machine's own byte order.
    if (answer.returned == 4) {
        std::uint32_t count = 0;
        std::memcpy(&count, answer.bytes, sizeof count);
        return count;
    }
    if (answer.returned == 8) {
        std::uint64_t count = 0;
        std::memcpy(&count, answer.bytes, sizeof count);
        return count;
    }
    return std::nullopt;
}

void QueryTrafficCounters(CounterDevice& device, const std::wstring& guidText, AdapterStatus& status) {
    if (!device.Open(CounterDevicePath(guidText))) return;
    if (const auto sent = Ask(device, kOidXmitOk)) status.txFrames = *sent;
    if (const auto received = Ask(device, kOidRcvOk)) status.rxFrames = *received;
    device.Close();
}

}  // namespace wlanstat
