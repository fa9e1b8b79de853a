#pragma once
// Frames sent and received without error, read from the adapter's network driver.
#include <cstdint>
#include <optional>
#include <string>

#include "wlanstat/info/adapter_status.h"

namespace wlanstat {

inline constexpr std::uint32_t kOidXmitOk = 0x00020101;
inline constexpr std::uint32_t kOidRcvOk = 0x00020102;

// One statistics answer: the reply buffer as the driver left it and the number
// of bytes it says it wrote there.
struct CounterAnswer {
    std::uint8_t bytes[8] = {};
    std::uint32_t returned = 0;
};

// The adapter's device, opened for statistics queries.
class CounterDevice {
public:
    virtual bool Open(const std::wstring& path) = 0;
    // One statistics query into `answer` (given cleared); false when the request fails.
    virtual bool Query(std::uint32_t oid, CounterAnswer& answer) = 0;
    virtual void Close() = 0;

protected:
    ~CounterDevice() = default;
};

// "\\.\" followed by the braced interface GUID.
std::wstring CounterDevicePath(const std::wstring& guidText);

// The count in an answer: 4 bytes are a 32-bit count (older drivers), 8 bytes a
// 64-bit one; any other size is no answer.
std::optional<std::uint64_t> CountFromAnswer(const CounterAnswer& answer);

// Fills txFrames and rxFrames; a counter whose query fails or gives no count stays 0.
void QueryTrafficCounters(CounterDevice& device, const std::wstring& guidText, AdapterStatus& status);

}  // namespace wlanstat
