#include "setup/engine/net_device_list.h"

#include <objbase.h>

#include "framework/system_dll.h"

namespace engine {
namespace {

// GUID_DEVCLASS_NET
constexpr wchar_t kNetClass[] = L"{4d36e972-e325-11ce-bfc1-08002be10318}";

// SetupAPI's calls, loaded from System32 once; the list is used all or none.
struct SetupApiCalls {
    static constexpr wchar_t kDll[] = L"setupapi.dll";
    decltype(&::SetupDiGetClassDevsW) getClassDevs = FW_SYSTEM_PROC(kDll, SetupDiGetClassDevsW);
    decltype(&::SetupDiEnumDeviceInfo) enumDevice = FW_SYSTEM_PROC(kDll, SetupDiEnumDeviceInfo);
    decltype(&::SetupDiGetDeviceRegistryPropertyW) getProperty =
        FW_SYSTEM_PROC(kDll, SetupDiGetDeviceRegistryPropertyW);
    decltype(&::SetupDiCallClassInstaller) callClassInstaller = FW_SYSTEM_PROC(kDll, SetupDiCallClassInstaller);
    decltype(&::SetupDiDestroyDeviceInfoList) destroy = FW_SYSTEM_PROC(kDll, SetupDiDestroyDeviceInfoList);

    bool Complete() const {
        return fw::AllResolved(getClassDevs, enumDevice, getProperty, callClassInstaller, destroy);
    }
};

const SetupApiCalls& SetupApi() {
    static const SetupApiCalls calls;
    return calls;
}

}  // namespace

bool SetupApiNetDeviceList::Open() {
    // Without every call nothing is opened (the others are made only on an open
    // list): the card's old node then stays, and the install's outcome does not
    // say so, as the worker ignores the removal's result.
    if (!SetupApi().Complete()) return false;
    Close();
    CLSID netClass{};
    CLSIDFromString(kNetClass, &netClass);
    list_ = SetupApi().getClassDevs(&netClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_PROFILE);
    device_ = SP_DEVINFO_DATA{};
    device_.cbSize = sizeof device_;
    return list_ != INVALID_HANDLE_VALUE;
}

bool SetupApiNetDeviceList::Select(std::uint32_t index) {
    return SetupApi().enumDevice(list_, index, &device_) == TRUE;
}

bool SetupApiNetDeviceList::ReadProperty(std::uint32_t property, wchar_t* buffer, std::uint32_t bytes) {
    DWORD type = 0;
    DWORD required = 0;
    return SetupApi().getProperty(list_, &device_, property, &type, reinterpret_cast<BYTE*>(buffer), bytes,
                                  &required) == TRUE;
}

void SetupApiNetDeviceList::RemoveSelected() {
    SetupApi().callClassInstaller(DIF_REMOVE, list_, &device_);
}

void SetupApiNetDeviceList::Close() {
    if (list_ == INVALID_HANDLE_VALUE) return;
    SetupApi().destroy(list_);
    list_ = INVALID_HANDLE_VALUE;
}

}  // namespace engine
