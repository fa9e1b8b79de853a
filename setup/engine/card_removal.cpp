#include "setup/engine/card_removal.h"

#include <array>
#include <string_view>

#include "framework/ascii.h"

namespace engine {

bool IsPciHardwareId(const wchar_t* firstId) {
    return fw::SameIgnoringAsciiCase(std::wstring_view(firstId).substr(0, 3), L"pci");
}

bool IsCardDescription(const wchar_t* description) {
    return fw::SameIgnoringAsciiCase(description, kCardDeviceDescription);
}

int RemoveCardDevice(NetDeviceList& devices) {
    if (!devices.Open()) return 1;
    std::array<wchar_t, kPropertyBufferChars> buffer{};
    for (std::uint32_t index = 0; devices.Select(index); ++index) {
        if (!devices.ReadProperty(kPropertyHardwareId, buffer.data(), kPropertyBytesOffered)) continue;
        if (!IsPciHardwareId(buffer.data())) continue;
        buffer.fill(L'\0');
        if (!devices.ReadProperty(kPropertyDeviceDesc, buffer.data(), kPropertyBytesOffered)) continue;
        if (!IsCardDescription(buffer.data())) continue;
        devices.RemoveSelected();
        break;
    }
    devices.Close();
    const std::uint32_t error = devices.LastError();
    return (error == 0 || error == kErrorNoMoreItems) ? 0 : 1;
}

}  // namespace engine
