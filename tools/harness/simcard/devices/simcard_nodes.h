#pragma once
// The simulated card's device nodes and their making and removal through
// SetupAPI, as Plug and Play would leave them; shared by the simcard_devices
// helper and the in-process removal test.
#include <windows.h>
#include <setupapi.h>

#include <cstddef>
#include <cwchar>

namespace simcard {

// GUID_DEVCLASS_NET
inline constexpr GUID kNetClass = {0x4d36e972, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

struct Node {
    const wchar_t* instance;
    const wchar_t* hardwareIds;  // REG_MULTI_SZ, most specific first
    const wchar_t* description;
};

// The registry lists nodes by instance ID, so each decoy's ID sorts before the
// card's: a removal that took the first near miss would take a decoy instead.
inline constexpr Node kCard = {
    L"PCI\\VEN_10EC&DEV_8812&SUBSYS_881210EC&REV_01\\4&2B7F3C1&0&00E1",
    L"PCI\\VEN_10EC&DEV_8812&SUBSYS_881210EC&REV_01\0PCI\\VEN_10EC&DEV_8812&SUBSYS_881210EC\0"
    L"PCI\\VEN_10EC&DEV_8812&CC_028000\0PCI\\VEN_10EC&DEV_8812\0",
    L"Realtek 8812AE Wireless LAN 802.11ac PCI-E NIC"};
// Another PCI network device whose description only begins like the card's.
inline constexpr Node kPciDecoy = {
    L"PCI\\VEN_10EC&DEV_8179&SUBSYS_817910EC&REV_01\\4&1A94E2D&0&00E0",
    L"PCI\\VEN_10EC&DEV_8179&SUBSYS_817910EC&REV_01\0PCI\\VEN_10EC&DEV_8179\0",
    L"Realtek 8812AE Wireless LAN 802.11ac PCI-E NIC #2"};
// The card's description on another bus; its later IDs name PCI, its first does not.
inline constexpr Node kUsbDecoy = {
    L"USB\\VID_0BDA&PID_8812\\00E04C881201",
    L"USB\\VID_0BDA&PID_8812&REV_0000\0PCI\\VEN_10EC&DEV_8812\0",
    L"Realtek 8812AE Wireless LAN 802.11ac PCI-E NIC"};

class DeviceList {
public:
    explicit DeviceList(HDEVINFO list) : list_(list) {}
    DeviceList(const DeviceList&) = delete;
    DeviceList& operator=(const DeviceList&) = delete;
    ~DeviceList() {
        if (list_ != INVALID_HANDLE_VALUE) SetupDiDestroyDeviceInfoList(list_);
    }
    HDEVINFO get() const { return list_; }
    explicit operator bool() const { return list_ != INVALID_HANDLE_VALUE; }

private:
    HDEVINFO list_;
};

inline std::size_t MultiSzBytes(const wchar_t* list) {
    const wchar_t* end = list;
    while (*end != L'\0') end += wcslen(end) + 1;
    return (end - list + 1) * sizeof(wchar_t);
}

inline bool SetText(HDEVINFO list, SP_DEVINFO_DATA& device, DWORD property, const wchar_t* text, std::size_t bytes) {
    return SetupDiSetDeviceRegistryPropertyW(list, &device, property, reinterpret_cast<const BYTE*>(text),
                                             static_cast<DWORD>(bytes)) != FALSE;
}

// Creates the node unless it exists; true when it is there afterwards.
inline bool Add(const Node& node) {
    DeviceList list(SetupDiCreateDeviceInfoList(&kNetClass, nullptr));
    if (!list) return false;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    if (SetupDiOpenDeviceInfoW(list.get(), node.instance, nullptr, 0, &device)) return true;
    if (!SetupDiCreateDeviceInfoW(list.get(), node.instance, &kNetClass, node.description, nullptr, 0, &device)) {
        return false;
    }
    return SetText(list.get(), device, SPDRP_HARDWAREID, node.hardwareIds, MultiSzBytes(node.hardwareIds)) &&
           SetText(list.get(), device, SPDRP_DEVICEDESC, node.description,
                   (wcslen(node.description) + 1) * sizeof(wchar_t)) &&
           SetupDiRegisterDeviceInfo(list.get(), &device, 0, nullptr, nullptr, nullptr) != FALSE;
}

// Removes the node if it exists; true when it is gone afterwards.
inline bool Remove(const Node& node) {
    DeviceList list(SetupDiCreateDeviceInfoList(&kNetClass, nullptr));
    if (!list) return false;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    if (!SetupDiOpenDeviceInfoW(list.get(), node.instance, nullptr, 0, &device)) return true;
    return SetupDiRemoveDevice(list.get(), &device) != FALSE;
}

// Whether the node is in the device tree.
inline bool Exists(const Node& node) {
    DeviceList list(SetupDiCreateDeviceInfoList(&kNetClass, nullptr));
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    return list && SetupDiOpenDeviceInfoW(list.get(), node.instance, nullptr, 0, &device) != FALSE;
}

}  // namespace simcard
