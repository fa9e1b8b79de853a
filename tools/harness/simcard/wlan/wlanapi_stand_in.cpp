// wlanapi.dll of the simulated card: answers the WLAN client calls the viewer
// makes from the scenario file, strictly. Anything the card would not accept
// (another opcode, IHV type, request or size) is refused, so that a caller
// that gets those wrong sees no data.
#include <windows.h>
#include <wlanapi.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <optional>
#include <set>

#include "tools/harness/simcard/wlan/card_files.h"
#include "tools/harness/simcard/wlan/service_handle.h"

namespace {

constexpr DWORD kChanspecSize = 272;
constexpr DWORD kOpcodeRssi = 0x10000102;

class Lock {
public:
    explicit Lock(CRITICAL_SECTION& cs) : cs_(cs) { EnterCriticalSection(&cs_); }
    ~Lock() { LeaveCriticalSection(&cs_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    CRITICAL_SECTION& cs_;
};

struct Card {
    Card() { InitializeCriticalSection(&lock); }
    ~Card() { DeleteCriticalSection(&lock); }
    CRITICAL_SECTION lock;
    simcard::Scenario scenario;
    std::set<HANDLE> handles;
    std::set<void*> blocks;  // memory handed out and not yet freed
    UINT_PTR nextHandle = 0x5100;

    void* Allocate(std::size_t size) {
        void* p = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size);
        if (p != nullptr) blocks.insert(p);
        return p;
    }
    const simcard::Interface* Find(const GUID* guid) const {
        for (const auto& i : scenario.interfaces)
            if (std::memcmp(i.guid.data(), guid, sizeof(GUID)) == 0) return &i;
        return nullptr;
    }
    // Whether the scenario makes `call` fail, and with which error.
    bool Fails(const char* call, DWORD& error) const {
        const auto f = scenario.failures.find(call);
        if (f == scenario.failures.end()) return false;
        error = f->second;
        return true;
    }
};

Card& TheCard() {
    static Card card;
    return card;
}

using simcard::ServiceHandle;

// The client API works only while the card's service runs.
bool ServiceRunning() {
    const ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (manager.get() == nullptr) return false;
    const ServiceHandle service(OpenServiceW(manager.get(), L"WlanSvc", SERVICE_QUERY_STATUS));
    SERVICE_STATUS status{};
    return service.get() != nullptr && QueryServiceStatus(service.get(), &status) &&
           status.dwCurrentState == SERVICE_RUNNING;
}

void ResolveIpGuids(simcard::Scenario& s) {
    std::string name;
    bool looked = false;
    for (auto& i : s.interfaces) {
        if (!i.guidFromIpHelper) continue;
        if (!looked) name = simcard::PickedIpAdapter(), looked = true;
        if (!simcard::ParseGuid(name, i.guid)) i.guid.fill(0);
    }
}

// What the card's driver takes: its request for the driver value "chanspec".
std::array<BYTE, kChanspecSize> ChanspecRequest() {
    std::array<BYTE, kChanspecSize> b{};
    const BYTE head[24] = {0x3F, 0xDA, 0xFE, 0xFF, 0x26, 0x15, 0xE4, 0xFF, 0x10, 0x01, 0x00, 0x00,
                           0xDE, 0xCE, 0xAD, 0xAB, 'c',  'h',  'a',  'n',  's',  'p',  'e',  'c'};
    std::memcpy(b.data(), head, sizeof head);
    return b;
}

DWORD Open(Card& card, DWORD version, PVOID reserved, PDWORD negotiated, PHANDLE handle) {
    DWORD error = 0;
    if (card.Fails("open", error)) return error;
    if (version != 2 || reserved != nullptr || negotiated == nullptr || handle == nullptr)
        return ERROR_INVALID_PARAMETER;
    if (!ServiceRunning()) return ERROR_SERVICE_NOT_ACTIVE;
    *negotiated = 2;
    *handle = reinterpret_cast<HANDLE>(card.nextHandle++);
    card.handles.insert(*handle);
    return ERROR_SUCCESS;
}

DWORD Enumerate(Card& card, HANDLE handle, PVOID reserved, PWLAN_INTERFACE_INFO_LIST* out) {
    DWORD error = 0;
    if (card.Fails("enum", error)) return error;
    if (card.handles.count(handle) == 0) return ERROR_INVALID_HANDLE;
    if (reserved != nullptr || out == nullptr) return ERROR_INVALID_PARAMETER;
    const auto& list = card.scenario.interfaces;
    auto* l = static_cast<PWLAN_INTERFACE_INFO_LIST>(
        card.Allocate(offsetof(WLAN_INTERFACE_INFO_LIST, InterfaceInfo) + list.size() * sizeof(WLAN_INTERFACE_INFO)));
    if (l == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
    l->dwNumberOfItems = static_cast<DWORD>(list.size());
    for (std::size_t n = 0; n < list.size(); ++n) {
        WLAN_INTERFACE_INFO& info = l->InterfaceInfo[n];
        std::memcpy(&info.InterfaceGuid, list[n].guid.data(), sizeof(GUID));
        const std::wstring d = simcard::WideFromUtf8(list[n].description);
        wcsncpy(info.strInterfaceDescription, d.c_str(), WLAN_MAX_NAME_LENGTH - 1);
        info.isState = static_cast<WLAN_INTERFACE_STATE>(list[n].state);
    }
    *out = l;
    return ERROR_SUCCESS;
}

PWLAN_CONNECTION_ATTRIBUTES Connection(Card& card, const simcard::Interface& i) {
    auto* a = static_cast<PWLAN_CONNECTION_ATTRIBUTES>(card.Allocate(sizeof(WLAN_CONNECTION_ATTRIBUTES)));
    if (a == nullptr) return nullptr;
    a->isState = wlan_interface_state_connected;
    a->wlanConnectionMode = wlan_connection_mode_profile;
    WLAN_ASSOCIATION_ATTRIBUTES& as = a->wlanAssociationAttributes;
    as.dot11Ssid.uSSIDLength = static_cast<ULONG>(i.ssid.size());
    std::memcpy(as.dot11Ssid.ucSSID, i.ssid.data(), i.ssid.size());
    as.dot11BssType = dot11_BSS_type_infrastructure;
    std::memcpy(as.dot11Bssid, i.bssid.data(), 6);
    as.dot11PhyType = dot11_phy_type_ht;
    as.wlanSignalQuality = 80;
    as.ulRxRate = as.ulTxRate = 433300;
    a->wlanSecurityAttributes.bSecurityEnabled = TRUE;
    a->wlanSecurityAttributes.dot11AuthAlgorithm = DOT11_AUTH_ALGO_RSNA_PSK;
    a->wlanSecurityAttributes.dot11CipherAlgorithm = DOT11_CIPHER_ALGO_CCMP;
    return a;
}

DWORD Query(Card& card, HANDLE handle, const GUID* guid, DWORD opcode, PVOID reserved, PDWORD size, PVOID* data) {
    if (card.handles.count(handle) == 0) return ERROR_INVALID_HANDLE;
    if (reserved != nullptr || size == nullptr || data == nullptr || guid == nullptr) return ERROR_INVALID_PARAMETER;
    const char* what = opcode == wlan_intf_opcode_current_connection ? "connection"
                       : opcode == wlan_intf_opcode_channel_number   ? "channel"
                       : opcode == kOpcodeRssi                       ? "rssi"
                                                                     : nullptr;
    if (what == nullptr) return ERROR_NOT_SUPPORTED;
    DWORD error = 0;
    if (card.Fails(what, error)) return error;
    const simcard::Interface* i = card.Find(guid);
    if (i == nullptr) return ERROR_NOT_FOUND;
    if (i->state != wlan_interface_state_connected) return ERROR_INVALID_STATE;
    if (opcode == wlan_intf_opcode_current_connection) {
        PWLAN_CONNECTION_ATTRIBUTES a = Connection(card, *i);
        if (a == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
        *size = sizeof *a;
        *data = a;
        return ERROR_SUCCESS;
    }
    std::optional<LONG> value = i->rssi;
    if (opcode == wlan_intf_opcode_channel_number) {
        value.reset();
        if (i->channel) value = static_cast<LONG>(*i->channel);
    }
    if (!value) return ERROR_NOT_SUPPORTED;
    auto* v = static_cast<LONG*>(card.Allocate(sizeof(LONG)));
    if (v == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
    *v = *value;
    *size = sizeof *v;
    *data = v;
    return ERROR_SUCCESS;
}

DWORD IhvControl(Card& card, HANDLE handle, const GUID* guid, WLAN_IHV_CONTROL_TYPE type, DWORD inSize, PVOID in,
                 DWORD outSize, PVOID out, PDWORD returned) {
    static const auto expected = ChanspecRequest();
    if (card.handles.count(handle) == 0) return ERROR_INVALID_HANDLE;
    if (guid == nullptr || in == nullptr || out == nullptr || returned == nullptr) return ERROR_INVALID_PARAMETER;
    if (type != wlan_ihv_control_type_driver) {
        simcard::Log("WlanIhvControl: control type %d refused", static_cast<int>(type));
        return ERROR_INVALID_PARAMETER;
    }
    if (inSize != kChanspecSize || outSize != kChanspecSize) {
        simcard::Log("WlanIhvControl: sizes %lu and %lu refused", inSize, outSize);
        return ERROR_INVALID_PARAMETER;
    }
    for (DWORD n = 0; n < kChanspecSize; ++n) {
        if (static_cast<const BYTE*>(in)[n] != expected[n]) {
            simcard::Log("WlanIhvControl: request differs at byte %lu", n);
            return ERROR_INVALID_PARAMETER;
        }
    }
    DWORD error = 0;
    if (card.Fails("ihv", error)) return error;
    const simcard::Interface* i = card.Find(guid);
    if (i == nullptr) return ERROR_NOT_FOUND;
    if (!i->chanspec) return ERROR_NOT_SUPPORTED;  // no driver answers
    std::memset(out, 0, outSize);
    *returned = 0;
    if (!i->chanspec->empty()) {
        std::memcpy(out, expected.data(), 16);
        std::memcpy(static_cast<BYTE*>(out) + 16, i->chanspec->data(), i->chanspec->size());
        *returned = kChanspecSize;
    }
    return ERROR_SUCCESS;
}

}  // namespace

// Each entry takes the card's lock, answers, and logs its answer.
extern "C" {

__declspec(dllexport) DWORD WINAPI WlanOpenHandle(DWORD version, PVOID reserved, PDWORD negotiated, PHANDLE handle) {
    Card& card = TheCard();
    const Lock lock(card.lock);
    card.scenario = simcard::LoadScenario();
    ResolveIpGuids(card.scenario);
    const DWORD result = Open(card, version, reserved, negotiated, handle);
    simcard::Log("WlanOpenHandle %lu", result);
    return result;
}

__declspec(dllexport) DWORD WINAPI WlanCloseHandle(HANDLE handle, PVOID reserved) {
    Card& card = TheCard();
    const Lock lock(card.lock);
    const DWORD result = reserved != nullptr               ? ERROR_INVALID_PARAMETER
                         : card.handles.erase(handle) == 0 ? ERROR_INVALID_HANDLE
                                                           : ERROR_SUCCESS;
    simcard::Log("WlanCloseHandle %lu unfreed %u", result, static_cast<unsigned>(card.blocks.size()));
    return result;
}

__declspec(dllexport) VOID WINAPI WlanFreeMemory(PVOID memory) {
    Card& card = TheCard();
    const Lock lock(card.lock);
    if (card.blocks.erase(memory) == 0) {
        simcard::Log("WlanFreeMemory of memory not handed out");
        return;
    }
    HeapFree(GetProcessHeap(), 0, memory);
}

__declspec(dllexport) DWORD WINAPI WlanEnumInterfaces(HANDLE handle, PVOID reserved, PWLAN_INTERFACE_INFO_LIST* out) {
    Card& card = TheCard();
    const Lock lock(card.lock);
    const DWORD result = Enumerate(card, handle, reserved, out);
    simcard::Log("WlanEnumInterfaces %lu interfaces %u", result, static_cast<unsigned>(card.scenario.interfaces.size()));
    return result;
}

__declspec(dllexport) DWORD WINAPI WlanQueryInterface(HANDLE handle, const GUID* guid, WLAN_INTF_OPCODE opcode,
                                                      PVOID reserved, PDWORD size, PVOID* data,
                                                      PWLAN_OPCODE_VALUE_TYPE type) {
    Card& card = TheCard();
    const Lock lock(card.lock);
    const DWORD result = Query(card, handle, guid, static_cast<DWORD>(opcode), reserved, size, data);
    if (result == ERROR_SUCCESS && type != nullptr) *type = wlan_opcode_value_type_query_only;
    simcard::Log("WlanQueryInterface 0x%lX %lu", static_cast<unsigned long>(opcode), result);
    return result;
}

__declspec(dllexport) DWORD WINAPI WlanIhvControl(HANDLE handle, const GUID* guid, WLAN_IHV_CONTROL_TYPE type,
                                                  DWORD inSize, PVOID in, DWORD outSize, PVOID out,
                                                  PDWORD returned) {
    Card& card = TheCard();
    const Lock lock(card.lock);
    const DWORD result = IhvControl(card, handle, guid, type, inSize, in, outSize, out, returned);
    simcard::Log("WlanIhvControl %lu", result);
    return result;
}

}  // extern "C"
