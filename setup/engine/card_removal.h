#pragma once
// Finds the card among the present network-class devices and removes the first
// match through the class installer. Written over a device-list interface so the
// loop runs without SetupAPI.
#include <cstddef>
#include <cstdint>

namespace engine {

inline constexpr wchar_t kCardDeviceDescription[] = L"Realtek 8812AE Wireless LAN 802.11ac PCI-E NIC";

inline constexpr std::uint32_t kPropertyDeviceDesc = 0x00000000;  // SPDRP_DEVICEDESC
inline constexpr std::uint32_t kPropertyHardwareId = 0x00000001;  // SPDRP_HARDWAREID
inline constexpr std::uint32_t kErrorNoMoreItems = 259;

// The property buffer, in UTF-16 characters; each read is offered one character
// (two bytes) less than that, so the last character stays a terminator.
inline constexpr std::size_t kPropertyBufferChars = 4096;
inline constexpr std::uint32_t kPropertyBytesOffered = (kPropertyBufferChars - 1) * 2;

// The present Net-class devices, walked by index.
class NetDeviceList {
public:
    // Creates the list; false when it cannot be obtained.
    virtual bool Open() = 0;
    // Selects the device at `index`; false past the end or on failure.
    virtual bool Select(std::uint32_t index) = 0;
    // Reads a registry property of the selected device into `buffer`, writing at
    // most `bytes` bytes of UTF-16 text; true on success.
    virtual bool ReadProperty(std::uint32_t property, wchar_t* buffer, std::uint32_t bytes) = 0;
    // Asks the class installer to remove the selected device; result ignored.
    virtual void RemoveSelected() = 0;
    virtual void Close() = 0;
    // The calling thread's last error code.
    virtual std::uint32_t LastError() = 0;

protected:
    ~NetDeviceList() = default;
};

// True when the first hardware ID begins with "pci" in any ASCII case.
bool IsPciHardwareId(const wchar_t* firstId);
// True when `description` is the card's, ignoring ASCII case only.
bool IsCardDescription(const wchar_t* description);

// 0 when the list was walked to its end (or to the card) with last error 0 or
// ERROR_NO_MORE_ITEMS, 1 otherwise. Removes at most one device.
int RemoveCardDevice(NetDeviceList& devices);

}  // namespace engine
