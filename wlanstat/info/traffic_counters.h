#pragma once
// Frames sent and received without error, read from the adapter's network driver.
#include <cstdint>
#include <string>

#include "wlanstat/info/adapter_status.h"

namespace wlanstat {

inline constexpr std::uint32_t kOidXmitOk = 0x00020101;
inline constexpr std::uint32_t kOidRcvOk = 0x00020102;

// The adapter's device, opened for statistics queries.
class CounterDevice {
public:
    virtual bool Open(const std::wstring& path) = 0;
    // One statistics query; `value` is the 8-byte reply buffer, in and out.
    virtual bool Query(std::uint32_t oid, std::uint64_t& value) = 0;
    virtual void Close() = 0;

protected:
    ~CounterDevice() = default;
};

// "\\.\" followed by the braced interface GUID.
std::wstring CounterDevicePath(const std::wstring& guidText);

// Fills txFrames and rxFrames; a counter whose query fails stays 0.
void QueryTrafficCounters(CounterDevice& device, const std::wstring& guidText, AdapterStatus& status);

}  // namespace wlanstat
