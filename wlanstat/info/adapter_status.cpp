#include "wlanstat/info/adapter_status.h"

namespace wlanstat {

void ClearStatus(AdapterStatus& s) {
    s.interfaceCount = 0;
    s.connected = 0;
    for (std::wstring* text : {&s.description, &s.friendlyName, &s.macAddress, &s.ipAddress,
                               &s.subnetMask, &s.gateway, &s.dhcpServer, &s.dnsServer1,
                               &s.dnsServer2, &s.ssid, &s.bssid, &s.linkSpeedUnit})
        text->clear();
    s.channel = 0;
    s.rssi = 0;
    s.linkSpeed = 0.0;
    s.txFrames = 0;
    s.rxFrames = 0;
}

}  // namespace wlanstat
