#include "wlanstat/info/ip_config.h"

#include <cstring>

#include "framework/ascii.h"
#include "framework/scope_exit.h"
#include "wlanstat/info/value_text.h"

namespace wlanstat {

namespace {

bool FindAdapter(IpHelper& ip, const std::wstring& guidText, IpAdapterEntry& entry) {
    std::uint32_t size = kAdapterTableFirstSize;
    std::uint32_t result = ip.QueryTable(size);
    if (result == kErrorBufferOverflow) result = ip.QueryTable(size);
    if (result != 0) return false;
    std::wstring name;
    while (ip.NextAdapter(name)) {
        if (SameAdapterName(name, guidText)) {
            ip.ReadAdapter(entry);
            return true;
        }
    }
    return false;
}

std::wstring AddressText(const IpSockAddr& a) {
    return a.family == kFamilyInet ? Ipv4Text(a.ipv4) : std::wstring();
}

void FillIdentity(const IpAdapterEntry& e, AdapterStatus& s) {
    s.friendlyName = e.friendlyName;
    s.description = e.description;
    s.macAddress = MacText(e.physicalAddress);
}

void FillAddresses(const IpAdapterEntry& e, AdapterStatus& s) {
    for (const IpUnicast& u : e.unicast) {
        if (u.address.family != kFamilyInet) continue;
        s.ipAddress = AddressText(u.address);
        s.subnetMask = MaskText(u.prefixLength);
        break;
    }
    for (const IpSockAddr& g : e.gateways) {
        if (g.family != kFamilyInet) continue;
        s.gateway = AddressText(g);
        break;
    }
    if (e.flags & kAdapterDhcpEnabled) s.dhcpServer = AddressText(e.dhcpv4Server);
    int number = 0;
    for (const IpSockAddr& d : e.dnsServers) {
        if (d.family != kFamilyInet) continue;
        if (number == 0) s.dnsServer1 = AddressText(d);
        if (number == 1) s.dnsServer2 = AddressText(d);
        if (++number == 2) break;
    }
    const ScaledSpeed speed = ScaleLinkSpeed(e.transmitLinkSpeed);
    s.linkSpeed = speed.value;
    s.linkSpeedUnit = speed.unit;
}

}  // namespace

std::uint64_t AdapterTableBytes(std::uint32_t reported) {
    const std::uint64_t bytes = (std::uint64_t{reported} + 7) / 8 * 8;
    return bytes == 0 || bytes > kAdapterTableMaxSize ? 0 : bytes;
}

IpSockAddr SockAddrFromBytes(const std::uint8_t* bytes, std::int32_t length) {
    constexpr std::int32_t kFamilyBytes = 2;
    constexpr std::int32_t kSockaddrInBytes = 16;  // family, port, address, padding
    constexpr std::size_t kInetAddressAt = 4;
    IpSockAddr out;
    if (bytes == nullptr || length < kFamilyBytes) return out;
    std::memcpy(&out.family, bytes, sizeof out.family);
    if (out.family != kFamilyInet) return out;
    if (length < kSockaddrInBytes) return IpSockAddr{};
    std::memcpy(out.ipv4, bytes + kInetAddressAt, sizeof out.ipv4);
    return out;
}

bool SameAdapterName(const std::wstring& a, const std::wstring& b) { return fw::SameIgnoringAsciiCase(a, b); }

void QueryAdapterIdentity(IpHelper& ip, const std::wstring& guidText, AdapterStatus& status) {
    const fw::ScopeExit releaseTable([&ip] { ip.ReleaseTable(); });
    IpAdapterEntry entry;
    if (FindAdapter(ip, guidText, entry)) FillIdentity(entry, status);
}

void QueryAdapterAddresses(IpHelper& ip, const std::wstring& guidText, AdapterStatus& status) {
    const fw::ScopeExit releaseTable([&ip] { ip.ReleaseTable(); });
    IpAdapterEntry entry;
    if (!FindAdapter(ip, guidText, entry)) return;
    FillIdentity(entry, status);
    FillAddresses(entry, status);
}

}  // namespace wlanstat
