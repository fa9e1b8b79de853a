#pragma once
// An interface GUID in the layout Windows uses, without <windows.h>.
#include <cstdint>
#include <string>

namespace wlanstat {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::uint8_t data4[8] = {};

    friend bool operator==(const Guid&, const Guid&) = default;
};

inline constexpr Guid kNullGuid{};

inline bool IsNullGuid(const Guid& g) { return g == kNullGuid; }

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}": braced, upper-case, 38 characters,
// the form the IP helper's adapter names and the device path use.
std::wstring GuidText(const Guid& g);

}  // namespace wlanstat
