#pragma once
// How the record's numbers become text.
#include <cstdint>
#include <string>

namespace wlanstat {

// Six bytes as "%02X:%02X:%02X:%02X:%02X:%02X" (MAC address, BSSID).
std::wstring MacText(const std::uint8_t (&bytes)[6]);

// IPv4 address bytes in network order, dotted decimal.
std::wstring Ipv4Text(const std::uint8_t (&bytes)[4]);

// Mask whose top prefixLength bits are set, most significant byte first.
// Lengths over 32 count as 32.
std::wstring MaskText(std::uint32_t prefixLength);

struct ScaledSpeed {
    double value = 0.0;
    const wchar_t* unit = L"bps";
};

// Bits per second scaled to "Gbps", "Mbps", "Kbps" or "bps" by the first
// threshold the speed reaches.
ScaledSpeed ScaleLinkSpeed(std::uint64_t bitsPerSecond);

}  // namespace wlanstat
