#pragma once
// The state of the selected adapter as one collection cycle found it.
#include <cstdint>
#include <string>

namespace wlanstat {

struct AdapterStatus {
    std::int32_t interfaceCount = 0;  // 0: none found, or the enumeration failed
    std::int32_t connected = 0;       // 0 or 1
    std::wstring description;
    std::wstring friendlyName;
    std::wstring macAddress;
    std::wstring ipAddress;
    std::wstring subnetMask;
    std::wstring gateway;
    std::wstring dhcpServer;
    std::wstring dnsServer1;
    std::wstring dnsServer2;
    std::wstring ssid;
    std::wstring bssid;
    std::uint32_t channel = 0;  // primary channel; 0 = not reported
    std::int32_t rssi = 0;      // dBm; 0 = not reported
    double linkSpeed = 0.0;     // already divided for linkSpeedUnit
    std::wstring linkSpeedUnit;
    std::uint64_t txFrames = 0;
    std::uint64_t rxFrames = 0;

    friend bool operator==(const AdapterStatus&, const AdapterStatus&) = default;
};

// Back to the empty record; keeps the strings' storage for the next cycle.
void ClearStatus(AdapterStatus& status);

}  // namespace wlanstat
