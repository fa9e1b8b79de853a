#include "wlanstat/info/system_wlan_client.h"

#include <wlanapi.h>

#include <cstring>
#include <cwchar>
#include <iterator>

#include "framework/scope_exit.h"
#include "framework/system_dll.h"

namespace wlanstat {

static_assert(sizeof(Guid) == sizeof(GUID));

namespace {

GUID ToGuid(const Guid& g) {
    GUID out;
    std::memcpy(&out, &g, sizeof out);
    return out;
}

}  // namespace

struct SystemWlanClient::Api {
    static constexpr wchar_t kDll[] = L"wlanapi.dll";
    decltype(&::WlanOpenHandle) open = FW_SYSTEM_PROC(kDll, WlanOpenHandle);
    decltype(&::WlanCloseHandle) close = FW_SYSTEM_PROC(kDll, WlanCloseHandle);
    decltype(&::WlanEnumInterfaces) enumInterfaces = FW_SYSTEM_PROC(kDll, WlanEnumInterfaces);
    decltype(&::WlanQueryInterface) query = FW_SYSTEM_PROC(kDll, WlanQueryInterface);
    decltype(&::WlanIhvControl) ihvControl = FW_SYSTEM_PROC(kDll, WlanIhvControl);
    decltype(&::WlanFreeMemory) free = FW_SYSTEM_PROC(kDll, WlanFreeMemory);

    bool Complete() const { return fw::AllResolved(open, close, enumInterfaces, query, ihvControl, free); }
};

SystemWlanClient::SystemWlanClient() noexcept
    : api_([]() -> const Api& {
          // Resolved once per process. Plain data: nothing is torn down at exit
          // while a worker may still run.
          static const Api api;
          return api;
      }()) {}

SystemWlanClient::~SystemWlanClient() { Close(); }

std::uint32_t SystemWlanClient::Open() {
    Close();
    // All or none, and the cycle reads this as no client at all: a wlanapi
    // without one of the six (an older system's, or a simulated card's that
    // lacks a newer export) shows the panel's "no adapter" face, not which call
    // is missing.
    if (!api_.Complete()) return ERROR_PROC_NOT_FOUND;
    DWORD negotiated = 0;
    HANDLE handle = nullptr;
    const DWORD result = api_.open(2, nullptr, &negotiated, &handle);
    if (result == ERROR_SUCCESS) handle_ = handle;
    return result;
}

void SystemWlanClient::Close() {
    if (handle_ != nullptr) api_.close(handle_, nullptr);
    handle_ = nullptr;
}

bool SystemWlanClient::EnumInterfaces(std::vector<InterfaceInfo>& out) {
    out.clear();
    PWLAN_INTERFACE_INFO_LIST list = nullptr;
    if (api_.enumInterfaces(handle_, nullptr, &list) != ERROR_SUCCESS || list == nullptr) return false;
    const fw::ScopeExit freeList([&] { api_.free(list); });
    // The count is taken as signed: a nonsensical one means no interface.
    const auto count = static_cast<LONG>(list->dwNumberOfItems);
    if (count <= 0) return true;
    out.reserve(static_cast<std::size_t>(count));
    for (LONG i = 0; i < count; ++i) {
        const WLAN_INTERFACE_INFO& info = list->InterfaceInfo[i];
        InterfaceInfo entry;
        std::memcpy(static_cast<void*>(&entry.InterfaceGuid), &info.InterfaceGuid, sizeof(Guid));
        entry.strInterfaceDescription.assign(info.strInterfaceDescription,
                                             wcsnlen(info.strInterfaceDescription, std::size(info.strInterfaceDescription)));
        entry.isState = static_cast<std::int32_t>(info.isState);
        out.push_back(std::move(entry));
    }
    return true;
}

DWORD SystemWlanClient::Query(const Guid& iface, int opcode, void* out, DWORD size) {
    const GUID guid = ToGuid(iface);
    void* data = nullptr;
    const fw::ScopeExit freeData([&] {
        if (data != nullptr) api_.free(data);
    });
    DWORD dataSize = 0;
    const DWORD result = api_.query(handle_, &guid, static_cast<WLAN_INTF_OPCODE>(opcode), nullptr, &dataSize,
                                    &data, nullptr);
    if (result != ERROR_SUCCESS) return result;
    if (data == nullptr || dataSize < size) return ERROR_INVALID_DATA;
    std::memcpy(out, data, size);
    return ERROR_SUCCESS;
}

std::uint32_t SystemWlanClient::QueryConnection(const Guid& iface, ConnectionInfo& out) {
    WLAN_CONNECTION_ATTRIBUTES attributes;
    const DWORD result = Query(iface, wlan_intf_opcode_current_connection, &attributes, sizeof attributes);
    if (result != ERROR_SUCCESS) return result;
    const WLAN_ASSOCIATION_ATTRIBUTES& association = attributes.wlanAssociationAttributes;
    static_assert(sizeof out.ssid == sizeof association.dot11Ssid.ucSSID);
    std::memcpy(out.ssid, association.dot11Ssid.ucSSID, sizeof out.ssid);
    out.ssidLength = association.dot11Ssid.uSSIDLength;
    std::memcpy(out.bssid, association.dot11Bssid, sizeof out.bssid);
    return ERROR_SUCCESS;
}

bool SystemWlanClient::QueryChannel(const Guid& iface, std::uint32_t& channel) {
    ULONG value = 0;
    if (Query(iface, wlan_intf_opcode_channel_number, &value, sizeof value) != ERROR_SUCCESS) return false;
    channel = value;
    return true;
}

bool SystemWlanClient::QueryRssi(const Guid& iface, std::int32_t& rssi) {
    LONG value = 0;
    if (Query(iface, wlan_intf_opcode_rssi, &value, sizeof value) != ERROR_SUCCESS) return false;
    rssi = value;
    return true;
}

std::uint32_t SystemWlanClient::IhvControl(const Guid& iface, const ChanspecBuffer& request,
                                           ChanspecBuffer& reply, std::uint32_t& bytesReturned) {
    const GUID guid = ToGuid(iface);
    ChanspecBuffer in = request;  // the API takes a writable buffer
    reply.fill(0);
    DWORD returned = 0;
    const DWORD result = api_.ihvControl(handle_, &guid, wlan_ihv_control_type_driver, kChanspecSize, in.data(),
                                         kChanspecSize, reply.data(), &returned);
    bytesReturned = returned;
    return result;
}

}  // namespace wlanstat
