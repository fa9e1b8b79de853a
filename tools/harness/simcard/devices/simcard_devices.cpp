// The simulated card's device nodes, made and read through SetupAPI as Plug and
// Play would leave them.
//   simcard_devices add [--without-card]   the card's Net-class node and the decoys
//   simcard_devices list                   the present Net-class devices, one a line:
//                                          instance ID|first hardware ID|description
#include <windows.h>
#include <setupapi.h>
#include <cfgmgr32.h>

#include "tools/harness/simcard/devices/simcard_nodes.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

using simcard::DeviceList;
using simcard::kCard;
using simcard::kNetClass;
using simcard::kPciDecoy;
using simcard::kUsbDecoy;

std::string Utf8(const wchar_t* text) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 1) return {};
    std::string out(static_cast<std::size_t>(bytes - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::string Property(HDEVINFO list, SP_DEVINFO_DATA& device, DWORD property) {
    wchar_t buffer[2048] = {};
    if (!SetupDiGetDeviceRegistryPropertyW(list, &device, property, nullptr, reinterpret_cast<BYTE*>(buffer),
                                           sizeof buffer - sizeof(wchar_t), nullptr)) {
        return "-";
    }
    return Utf8(buffer);  // the first string of a list
}

// The same question the installer asks.
int List() {
    DeviceList list(SetupDiGetClassDevsW(&kNetClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_PROFILE));
    if (!list) return 1;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; SetupDiEnumDeviceInfo(list.get(), index, &device); ++index) {
        wchar_t instance[MAX_DEVICE_ID_LEN] = {};
        if (!SetupDiGetDeviceInstanceIdW(list.get(), &device, instance, MAX_DEVICE_ID_LEN, nullptr)) return 1;
        std::printf("%s|%s|%s\n", Utf8(instance).c_str(), Property(list.get(), device, SPDRP_HARDWAREID).c_str(),
                    Property(list.get(), device, SPDRP_DEVICEDESC).c_str());
    }
    return GetLastError() == ERROR_NO_MORE_ITEMS ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring_view command = argc > 1 ? argv[1] : L"";
    if (command == L"list" && argc == 2) return List();
    if (command == L"add" && argc <= 3) {
        const bool withCard = argc == 2;
        if (argc == 3 && std::wstring_view(argv[2]) != L"--without-card") return 2;
        const bool card = withCard ? Add(kCard) : Remove(kCard);
        return card && Add(kPciDecoy) && Add(kUsbDecoy) ? 0 : 1;
    }
    std::fputs("usage: simcard_devices add [--without-card] | list\n", stderr);
    return 2;
}
