#pragma once
// The adapter's identity, IPv4 configuration and link speed from the IP helper's
// adapter table.
#include <cstdint>
#include <string>
#include <vector>

#include "wlanstat/info/adapter_status.h"

namespace wlanstat {

inline constexpr std::uint16_t kFamilyInet = 2;
inline constexpr std::uint32_t kAdapterDhcpEnabled = 0x4;
inline constexpr std::uint32_t kErrorBufferOverflow = 111;
inline constexpr std::uint32_t kAdapterTableFirstSize = 15360;

struct IpSockAddr {
    std::uint16_t family = 0;  // 0 when the table has no address here
    std::uint8_t ipv4[4] = {};  // network order, valid for kFamilyInet
};

struct IpUnicast {
    IpSockAddr address;
    std::uint8_t prefixLength = 0;
};

struct IpAdapterEntry {
    std::wstring friendlyName;
    std::wstring description;
    std::uint8_t physicalAddress[6] = {};
    std::uint32_t flags = 0;
    std::vector<IpUnicast> unicast;
    std::vector<IpSockAddr> gateways;
    std::vector<IpSockAddr> dnsServers;
    IpSockAddr dhcpv4Server;
    std::uint64_t transmitLinkSpeed = 0;
};

// Largest adapter table taken: far more than any machine's adapters fill, far
// less than would strain the viewer's 32-bit address space.
inline constexpr std::uint64_t kAdapterTableMaxSize = 16u << 20;

// Bytes to allocate for a table the IP helper says needs `reported` bytes: whole
// 8-byte words (the entries hold 64-bit fields), worked out in 64 bits. 0 for a
// size of 0 or over kAdapterTableMaxSize: no table is asked for then.
std::uint64_t AdapterTableBytes(std::uint32_t reported);

// A socket address as the table holds it: `length` bytes at `bytes`, starting
// with the 16-bit family in the machine's byte order. An IPv4 address needs the
// whole sockaddr_in (16 bytes); anything shorter or unknown reads as no address.
IpSockAddr SockAddrFromBytes(const std::uint8_t* bytes, std::int32_t length);

// One adapter table at a time.
class IpHelper {
public:
    // Queries the table (all families, gateways included) into a fresh buffer of
    // AdapterTableBytes(size) bytes; returns the system's result, or a non-zero
    // error when that size is refused. On overflow `size` is what it needs.
    virtual std::uint32_t QueryTable(std::uint32_t& size) = 0;
    // Steps through the entries of the last successful query in order; false at the end.
    virtual bool NextAdapter(std::wstring& adapterName) = 0;
    // Reads the entry NextAdapter() stopped at.
    virtual void ReadAdapter(IpAdapterEntry& out) = 0;
    virtual void ReleaseTable() = 0;

protected:
    ~IpHelper() = default;
};

// Fills description, friendlyName and macAddress only (an interface that is not
// connected). `guidText` is the braced interface GUID.
void QueryAdapterIdentity(IpHelper& ip, const std::wstring& guidText, AdapterStatus& status);

// Fills the identity, the IPv4 address and mask, gateway, DHCP server, two DNS
// servers and the scaled link speed.
void QueryAdapterAddresses(IpHelper& ip, const std::wstring& guidText, AdapterStatus& status);

// Case-insensitive comparison of ASCII letters (adapter names are GUID texts).
bool SameAdapterName(const std::wstring& a, const std::wstring& b);

}  // namespace wlanstat
