#pragma once
// The WLAN client calls one collection cycle makes, on one client handle.
#include <cstdint>
#include <vector>

#include "wlanstat/info/chanspec.h"
#include "wlanstat/info/guid.h"
#include "wlanstat/info/interface_info.h"

namespace wlanstat {

// Result of opening a handle while the WLAN service is not running.
inline constexpr std::uint32_t kErrorServiceNotActive = 1062;
// The current-connection query's answer, from Windows 11 24H2 on, to a program
// without location consent.
inline constexpr std::uint32_t kErrorAccessDenied = 5;

struct ConnectionInfo {
    std::uint8_t ssid[32] = {};
    std::uint32_t ssidLength = 0;  // as the system reports it; may exceed 32
    std::uint8_t bssid[6] = {};
};

class WlanClient {
public:
    // Opens the client handle (client version 2): 0 or the system's error.
    virtual std::uint32_t Open() = 0;
    virtual bool EnumInterfaces(std::vector<InterfaceInfo>& out) = 0;
    // The association of a connected interface: 0 or the system's error.
    virtual std::uint32_t QueryConnection(const Guid& iface, ConnectionInfo& out) = 0;
    virtual bool QueryChannel(const Guid& iface, std::uint32_t& channel) = 0;
    // The driver request; returns the system's result (0 = success).
    virtual std::uint32_t IhvControl(const Guid& iface, const ChanspecBuffer& request,
                                     ChanspecBuffer& reply, std::uint32_t& bytesReturned) = 0;
    virtual bool QueryRssi(const Guid& iface, std::int32_t& rssi) = 0;
    // Closes the handle opened by Open().
    virtual void Close() = 0;

protected:
    ~WlanClient() = default;
};

}  // namespace wlanstat
