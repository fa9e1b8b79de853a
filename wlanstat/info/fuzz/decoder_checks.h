#pragma once
// One pass of each decoder of bytes that come from drivers and services, over
// arbitrary input, with the properties that must hold for any input. Shared by
// the fuzz target (tools/fuzz.sh) and the regression test.
#include <cstddef>
#include <cstdint>

namespace wlanstat::fuzz {

using Check = void (*)(const std::uint8_t* data, std::size_t size);

// The association's SSID: byte 0 the length it reports, then up to 32 bytes;
// all of the input also goes through the UTF-8 decoder.
void CheckSsid(const std::uint8_t* data, std::size_t size);
// The driver's chanspec answer to a collection cycle: its result, the bytes it
// says it returned, then the reply.
void CheckChanspec(const std::uint8_t* data, std::size_t size);
// The IP helper's answers and adapter table, walked by the address step.
void CheckAdapterTable(const std::uint8_t* data, std::size_t size);
// The driver's answers to the two counter requests.
void CheckCounters(const std::uint8_t* data, std::size_t size);

struct Decoder {
    const char* name;  // also the corpus and crash folder under wlanstat/info/fuzz
    Check check;
};

inline constexpr Decoder kDecoders[] = {
    {"ssid", &CheckSsid},
    {"chanspec", &CheckChanspec},
    {"adapter_table", &CheckAdapterTable},
    {"counters", &CheckCounters},
};

}  // namespace wlanstat::fuzz
