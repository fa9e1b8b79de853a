#include "wlanstat/info/value_text.h"

#include <cwchar>

namespace wlanstat {

std::wstring MacText(const std::uint8_t (&b)[6]) {
    wchar_t text[18];
    std::swprintf(text, 18, L"%02X:%02X:%02X:%02X:%02X:%02X", b[0], b[1], b[2], b[3], b[4], b[5]);
    return text;
}

std::wstring Ipv4Text(const std::uint8_t (&b)[4]) {
    wchar_t text[16];
    std::swprintf(text, 16, L"%d.%d.%d.%d", b[0], b[1], b[2], b[3]);
    return text;
}

std::wstring MaskText(std::uint32_t prefixLength) {
    if (prefixLength > 32) prefixLength = 32;
    // 64-bit so that a length of 0 shifts by 32 without overflow.
    const auto mask = static_cast<std::uint32_t>(0xFFFFFFFFull << (32 - prefixLength));
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(mask >> 24),
                                   static_cast<std::uint8_t>(mask >> 16),
                                   static_cast<std::uint8_t>(mask >> 8),
                                   static_cast<std::uint8_t>(mask)};
    return Ipv4Text(bytes);
}

ScaledSpeed ScaleLinkSpeed(std::uint64_t bitsPerSecond) {
    const auto v = static_cast<double>(bitsPerSecond);
    if (v >= 1e9) return {v / 1e9, L"Gbps"};
    if (v >= 1e6) return {v / 1e6, L"Mbps"};
    if (v >= 1e3) return {v / 1e3, L"Kbps"};
    return {v, L"bps"};
}

}  // namespace wlanstat
