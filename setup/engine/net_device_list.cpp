#include "setup/engine/net_device_list.h"

#include <objbase.h>

#include "framework/system_dll.h"

namespace engine {
namespace {

constexpr wchar_t kSetupApi[] = L"setupapi.dll";
// GUID_DEVCLASS_NET
constexpr wchar_t kNetClass[] = L"{4d36e972-e325-11ce-bfc1-08002be10318}";

}  // namespace

bool SetupApiNetDeviceList::Open() {
    static const auto getClassDevs = fw::SystemProc<decltype(&SetupDiGetClassDevsW)>(kSetupApi, "SetupDiGetClassDevsW");
    if (getClassDevs == nullptr) return false;
    Close();
    CLSID netClass{};
    CLSIDFromString(kNetClass, &netClass);
    list_ = getClassDevs(&netClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_PROFILE);
    device_ = SP_DEVINFO_DATA{};
    device_.cbSize = sizeof device_;
    return list_ != INVALID_HANDLE_VALUE;
}

bool SetupApiNetDeviceList::Select(std::uint32_t index) {
    static const auto enumDevice = fw::SystemProc<decltype(&SetupDiEnumDeviceInfo)>(kSetupApi, "SetupDiEnumDeviceInfo");
    return enumDevice != nullptr && enumDevice(list_, index, &device_) == TRUE;
}

bool SetupApiNetDeviceList::ReadProperty(std::uint32_t property, wchar_t* buffer, std::uint32_t bytes) {
    static const auto getProperty = fw::SystemProc<decltype(&SetupDiGetDeviceRegistryPropertyW)>(
        kSetupApi, "SetupDiGetDeviceRegistryPropertyW");
    if (getProperty == nullptr) return false;
    DWORD type = 0;
    DWORD required = 0;
    return getProperty(list_, &device_, property, &type, reinterpret_cast<BYTE*>(buffer), bytes, &required) == TRUE;
}

void SetupApiNetDeviceList::RemoveSelected() {
    static const auto callClassInstaller =
        fw::SystemProc<decltype(&SetupDiCallClassInstaller)>(kSetupApi, "SetupDiCallClassInstaller");
    if (callClassInstaller != nullptr) callClassInstaller(DIF_REMOVE, list_, &device_);
}

void SetupApiNetDeviceList::Close() {
    if (list_ == INVALID_HANDLE_VALUE) return;
    static const auto destroy =
        fw::SystemProc<decltype(&SetupDiDestroyDeviceInfoList)>(kSetupApi, "SetupDiDestroyDeviceInfoList");
    if (destroy != nullptr) destroy(list_);
    list_ = INVALID_HANDLE_VALUE;
}

}  // namespace engine
