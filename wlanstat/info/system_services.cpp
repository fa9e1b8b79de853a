#include "wlanstat/info/system_services.h"

// winsock2.h before windows.h's own socket declarations, as iphlpapi.h needs.
#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>

#include <cstring>

#include "framework/system_dll.h"

namespace wlanstat {

// ---- service control manager (advapi32 is a Known DLL) ----

bool SystemServiceControl::OpenManager() {
    Close();
    manager_ = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    return manager_ != nullptr;
}

bool SystemServiceControl::OpenNamedService(const wchar_t* name) {
    if (manager_ == nullptr) return false;
    service_ = OpenServiceW(manager_, name, SERVICE_ALL_ACCESS);
    return service_ != nullptr;
}

bool SystemServiceControl::QueryStatus(ServiceState& out) {
    SERVICE_STATUS status{};
    if (service_ == nullptr || !QueryServiceStatus(service_, &status)) return false;
    out.currentState = status.dwCurrentState;
    out.waitHint = status.dwWaitHint;
    return true;
}

bool SystemServiceControl::Start() { return service_ != nullptr && StartServiceW(service_, 0, nullptr); }

void SystemServiceControl::Close() {
    if (service_ != nullptr) CloseServiceHandle(service_);
    if (manager_ != nullptr) CloseServiceHandle(manager_);
    service_ = nullptr;
    manager_ = nullptr;
}

std::uint32_t LinkWaitClock::Ticks() { return GetTickCount(); }

bool LinkWaitClock::Sleep(std::uint32_t ms) { return link_.Pause(std::chrono::milliseconds(ms)); }

// ---- IP helper ----

namespace {

AdapterTableQuery AdaptersAddresses() {
    static const AdapterTableQuery fn = FW_SYSTEM_PROC(L"iphlpapi.dll", GetAdaptersAddresses);
    return fn;
}

IpSockAddr Convert(const SOCKET_ADDRESS& a) {
    return SockAddrFromBytes(reinterpret_cast<const std::uint8_t*>(a.lpSockaddr), a.iSockaddrLength);
}

std::wstring Wide(const wchar_t* text) { return text != nullptr ? std::wstring(text) : std::wstring(); }

}  // namespace

std::uint32_t SystemIpHelper::QueryTable(std::uint32_t& size) {
    ReleaseTable();
    const AdapterTableQuery query = query_ != nullptr ? query_ : AdaptersAddresses();
    if (query == nullptr) return ERROR_PROC_NOT_FOUND;
    // The reported size comes from the system: never trust it to fit in 32-bit sums.
    const std::uint64_t bytes = AdapterTableBytes(size);
    if (bytes == 0) return ERROR_NOT_ENOUGH_MEMORY;
    table_.resize(static_cast<std::size_t>(bytes / sizeof(ULONGLONG)));
    ULONG length = static_cast<ULONG>(bytes);  // what is there, not what was asked
    const ULONG result = query(AF_UNSPEC, GAA_FLAG_INCLUDE_GATEWAYS, nullptr,
                               reinterpret_cast<PIP_ADAPTER_ADDRESSES>(table_.data()), &length);
    if (result == ERROR_BUFFER_OVERFLOW) size = length;
    if (result != ERROR_SUCCESS) {
        ReleaseTable();
        return result;
    }
    next_ = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(table_.data());
    return result;
}

bool SystemIpHelper::NextAdapter(std::wstring& adapterName) {
    if (next_ == nullptr) return false;
    current_ = next_;
    next_ = next_->Next;
    adapterName.clear();
    if (current_->AdapterName != nullptr) {
        SystemAnsiText ansi;
        adapterName = ansi.FromAnsi(current_->AdapterName, std::strlen(current_->AdapterName));
    }
    return true;
}

void SystemIpHelper::ReadAdapter(IpAdapterEntry& out) {
    out = IpAdapterEntry{};
    if (current_ == nullptr) return;
    const IP_ADAPTER_ADDRESSES& a = *current_;
    out.friendlyName = Wide(a.FriendlyName);
    out.description = Wide(a.Description);
    std::memcpy(out.physicalAddress, a.PhysicalAddress, sizeof out.physicalAddress);
    out.flags = a.Flags;
    for (auto* u = a.FirstUnicastAddress; u != nullptr; u = u->Next)
        out.unicast.push_back({Convert(u->Address), u->OnLinkPrefixLength});
    for (auto* g = a.FirstGatewayAddress; g != nullptr; g = g->Next) out.gateways.push_back(Convert(g->Address));
    for (auto* d = a.FirstDnsServerAddress; d != nullptr; d = d->Next)
        out.dnsServers.push_back(Convert(d->Address));
    out.dhcpv4Server = Convert(a.Dhcpv4Server);
    out.transmitLinkSpeed = a.TransmitLinkSpeed;
}

void SystemIpHelper::ReleaseTable() {
    std::vector<ULONGLONG>().swap(table_);
    next_ = current_ = nullptr;
}

// ---- adapter device ----

namespace {
constexpr DWORD kIoctlNdisQueryGlobalStats = 0x00170002;
}

bool SystemCounterDevice::Open(const std::wstring& path) {
    device_.reset(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr));
    return static_cast<bool>(device_);
}

bool SystemCounterDevice::Query(std::uint32_t oid, CounterAnswer& answer) {
    if (!device_) return false;
    DWORD returned = 0;
    ULONG in = oid;
    if (!DeviceIoControl(device_.get(), kIoctlNdisQueryGlobalStats, &in, sizeof in, answer.bytes,
                         sizeof answer.bytes, &returned, nullptr))
        return false;
    answer.returned = returned;
    return true;
}

void SystemCounterDevice::Close() { device_.reset(); }

// ---- ANSI code page ----

std::wstring SystemAnsiText::FromAnsi(const char* bytes, std::size_t length) {
    if (bytes == nullptr || length == 0 || length > 0x7FFFFFFF) return {};
    const int n = static_cast<int>(length);
    const int wide = MultiByteToWideChar(CP_ACP, 0, bytes, n, nullptr, 0);
    if (wide <= 0) return {};
    std::wstring out(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes, n, out.data(), wide);
    return out;
}

}  // namespace wlanstat
