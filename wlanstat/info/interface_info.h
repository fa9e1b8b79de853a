#pragma once
// One entry of the WLAN interface enumeration, as the adapter list keeps it.
#include <cstdint>
#include <string>

#include "wlanstat/info/guid.h"

namespace wlanstat {

// isState value of an interface that is associated with an access point.
inline constexpr std::int32_t kInterfaceConnected = 1;

struct InterfaceInfo {
    Guid InterfaceGuid;
    std::wstring strInterfaceDescription;
    std::int32_t isState = 0;

    friend bool operator==(const InterfaceInfo&, const InterfaceInfo&) = default;
};

}  // namespace wlanstat
