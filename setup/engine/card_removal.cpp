#include "setup/engine/card_removal.h"

#include <array>

namespace engine {
namespace {

wchar_t AsciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

}  // namespace

bool IsPciHardwareId(const wchar_t* firstId) {
    static constexpr wchar_t prefix[] = L"pci";
    for (std::size_t i = 0; prefix[i] != L'\0'; ++i) {
        if (AsciiLower(firstId[i]) != prefix[i]) return false;  // also stops at the terminator
    }
    return true;
}

bool IsCardDescription(const wchar_t* description) {
    const wchar_t* card = kCardDeviceDescription;
    for (; *card != L'\0' && *description != L'\0'; ++card, ++description) {
        if (AsciiLower(*card) != AsciiLower(*description)) return false;
    }
    return *card == L'\0' && *description == L'\0';
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
