#pragma once
// A status record with every field filled, for the panel's tests and benchmark.
#include "wlanstat/info/adapter_status.h"

namespace wlanstat {

inline AdapterStatus SampleStatus(int interfaceCount, int connected) {
    AdapterStatus s;
    s.interfaceCount = interfaceCount;
    s.connected = connected;
    s.description = L"Quorix K4100ZT Wireless LAN PCI-E Adapter";
    s.friendlyName = L"Wi-Fi";
    s.macAddress = L"00:E0:4C:81:12:34";
    s.ipAddress = L"192.168.0.23";
    s.subnetMask = L"255.255.255.0";
    s.gateway = L"192.168.0.1";
    s.dhcpServer = L"192.168.0.1";
    s.dnsServer1 = L"168.126.63.1";
    s.dnsServer2 = L"168.126.63.2";
    s.ssid = L"office";
    s.bssid = L"88:36:6C:01:02:03";
    s.channel = 36;
    s.rssi = -45;
    s.linkSpeed = 866.7;
    s.linkSpeedUnit = L"Mbps";
    s.txFrames = 0;
    s.rxFrames = 0;
    return s;
}

}  // namespace wlanstat
