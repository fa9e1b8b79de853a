// wlanapi.dll of the simulated card: answers the WLAN client calls the viewer
// makes from the scenario file, strictly. Anything the card would not accept
// (another opcode, IHV type, request or size) is refused, so that a caller
// that gets those wrong sees no data.
#include <windows.h>
#include <wlanapi.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <set>

#include "tools/harness/simcard/wlan/card_files.h"

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

class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE h) : h_(h) {}
    ~ServiceHandle() {
        if (h_ != nullptr) CloseServiceHandle(h_);
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    SC_HANDLE get() const { return h_; }

private:
    SC_HANDLE h_;
};

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

}  // namespace

extern "C" {

__declspec(dllexport) DWORD WINAPI WlanOpenHandle(DWORD version, PVOID reserved, PDWORD negotiated, PHANDLE handle) {
    Card& card = TheCard();
    const Lock lock(card.lock);
    card.scenario = simcard::LoadScenario();
    ResolveIpGuids(card.scenario);
    DWORD result = ERROR_SUCCESS;
    if (card.Fails("open", result)) {
    } else if (version != 2 || reserved != nullptr || negotiated == nullptr || handle == nullptr) {
        result = ERROR_INVALID_PARAMETER;
    } else if (!ServiceRunning()) {
        result = ERROR_SERVICE_NOT_ACTIVE;
    } else {
        *negotiated = 2;
        *handle = reinterpret_cast<HANDLE>(card.nextHandle++);
        card.handles.insert(*handle);
    }
    simcard::Log("WlanOpenHandle %lu", result);
    return result;
}

__declspec(dllexport) DWORD WINAPI WlanCloseHandle(HANDLE handle, PVOID reserved) {
    Card& card = TheCard();
    const Lock lock(card.lock);
    DWORD result = ERROR_SUCCESS;
    if (reserved != nullptr) result = ERROR_INVALID_PARAMETER;
    else if (card.handles.erase(handle) == 0) result = ERROR_INVALID_HANDLE;
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
    DWORD result = ERROR_SUCCESS;
    const auto& list = card.scenario.interfaces;
    if (card.Fails("enum", result)) {
    } else if (card.handles.count(handle) == 0) {
        result = ERROR_INVALID_HANDLE;
    } else if (reserved != nullptr || out == nullptr) {
        result = ERROR_INVALID_PARAMETER;
    } else {
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
    }
    simcard::Log("WlanEnumInterfaces %lu interfaces %u", result, static_cast<unsigned>(list.size()));
    return result;
}

__declspec(dllexport) DWORD WINAPI WlanQueryInterface(HANDLE handle, const GUID* guid, WLAN_INTF_OPCODE opcode,
                                                      PVOID reserved, PDWORD size, PVOID* data,
                                                      PWLAN_OPCODE_VALUE_TYPE type) {
    Card& card = TheCard();
    const Lock lock(card.lock);
    const char* what = opcode == wlan_intf_opcode_current_connection ? "connection"
                       : opcode == wlan_intf_opcode_channel_number   ? "channel"
                       : static_cast<DWORD>(opcode) == kOpcodeRssi   ? "rssi"
                                                                     : nullptr;
    const simcard::Interface* i = guid != nullptr ? card.Find(guid) : nullptr;
    DWORD result = ERROR_SUCCESS;
    if (card.handles.count(handle) == 0) {
        result = ERROR_INVALID_HANDLE;
    } else if (reserved != nullptr || size == nullptr || data == nullptr || guid == nullptr) {
        result = ERROR_INVALID_PARAMETER;
    } else if (what == nullptr) {
        result = ERROR_NOT_SUPPORTED;
    } else if (card.Fails(what, result)) {
    } else if (i == nullptr) {
        result = ERROR_NOT_FOUND;
    } else if (i->state != wlan_interface_state_connected) {
        result = ERROR_INVALID_STATE;
    } else if (opcode == wlan_intf_opcode_current_connection) {
        auto* a = static_cast<PWLAN_CONNECTION_ATTRIBUTES>(card.Allocate(sizeof(WLAN_CONNECTION_ATTRIBUTES)));
        if (a == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
        a->isState = wlan_interface_state_connected;
        a->wlanConnectionMode = wlan_connection_mode_profile;
        WLAN_ASSOCIATION_ATTRIBUTES& as = a->wlanAssociationAttributes;
        as.dot11Ssid.uSSIDLength = static_cast<ULONG>(i->ssid.size());
        std::memcpy(as.dot11Ssid.ucSSID, i->ssid.data(), i->ssid.size());
        as.dot11BssType = dot11_BSS_type_infrastructure;
        std::memcpy(as.dot11Bssid, i->bssid.data(), 6);
        as.dot11PhyType = dot11_phy_type_ht;
        as.wlanSignalQuality = 80;
        as.ulRxRate = as.ulTxRate = 433300;
        a->wlanSecurityAttributes.bSecurityEnabled = TRUE;
        a->wlanSecurityAttributes.dot11AuthAlgorithm = DOT11_AUTH_ALGO_RSNA_PSK;
        a->wlanSecurityAttributes.dot11CipherAlgorithm = DOT11_CIPHER_ALGO_CCMP;
        *size = sizeof *a;
        *data = a;
    } else {
        const auto& value = opcode == wlan_intf_opcode_channel_number
                                ? (i->channel ? std::optional<LONG>(static_cast<LONG>(*i->channel)) : std::nullopt)
                                : (i->rssi ? std::optional<LONG>(*i->rssi) : std::nullopt);
        if (!value) {
            result = ERROR_NOT_SUPPORTED;
        } else {
            auto* v = static_cast<LONG*>(card.Allocate(sizeof(LONG)));
            if (v == nullptr) return ERROR_NOT_ENOUGH_MEMORY;
            *v = *value;
            *size = sizeof *v;
            *data = v;
        }
    }
    if (result == ERROR_SUCCESS && type != nullptr) *type = wlan_opcode_value_type_query_only;
    simcard::Log("WlanQueryInterface 0x%lX %lu", static_cast<unsigned long>(opcode), result);
    return result;
}

__declspec(dllexport) DWORD WINAPI WlanIhvControl(HANDLE handle, const GUID* guid, WLAN_IHV_CONTROL_TYPE type,
                                                  DWORD inSize, PVOID in, DWORD outSize, PVOID out,
                                                  PDWORD returned) {
    Card& card = TheCard();
    const Lock lock(card.lock);
    static const auto expected = ChanspecRequest();
    const simcard::Interface* i = guid != nullptr ? card.Find(guid) : nullptr;
    DWORD result = ERROR_SUCCESS;
    int differs = -1;
    if (in != nullptr && inSize == kChanspecSize)
        for (DWORD n = 0; n < kChanspecSize && differs < 0; ++n)
            if (static_cast<const BYTE*>(in)[n] != expected[n]) differs = static_cast<int>(n);
    if (card.handles.count(handle) == 0) {
        result = ERROR_INVALID_HANDLE;
    } else if (guid == nullptr || in == nullptr || out == nullptr || returned == nullptr) {
        result = ERROR_INVALID_PARAMETER;
    } else if (type != wlan_ihv_control_type_driver) {
        simcard::Log("WlanIhvControl: control type %d refused", static_cast<int>(type));
        result = ERROR_INVALID_PARAMETER;
    } else if (inSize != kChanspecSize || outSize != kChanspecSize) {
        simcard::Log("WlanIhvControl: sizes %lu and %lu refused", inSize, outSize);
        result = ERROR_INVALID_PARAMETER;
    } else if (differs >= 0) {
        simcard::Log("WlanIhvControl: request differs at byte %d", differs);
        result = ERROR_INVALID_PARAMETER;
    } else if (card.Fails("ihv", result)) {
    } else if (i == nullptr) {
        result = ERROR_NOT_FOUND;
    } else if (!i->chanspec) {
        result = ERROR_NOT_SUPPORTED;  // no driver answers
    } else {
        std::memset(out, 0, outSize);
        *returned = 0;
        if (!i->chanspec->empty()) {
            std::memcpy(out, expected.data(), 16);
            std::memcpy(static_cast<BYTE*>(out) + 16, i->chanspec->data(), i->chanspec->size());
            *returned = kChanspecSize;
        }
    }
    simcard::Log("WlanIhvControl %lu", result);
    return result;
}

}  // extern "C"
