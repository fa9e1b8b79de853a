#include "setup/engine/card_removal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace engine {
namespace {

struct FakeDevice {
    std::optional<std::wstring> hardwareIds;  // nullopt: the read fails
    std::optional<std::wstring> description;
};

// A device list over fixed devices that records what the loop asked for.
class FakeDeviceList final : public NetDeviceList {
public:
    bool opens = true;
    std::vector<FakeDevice> devices;
    std::uint32_t lastErrorAtEnd = kErrorNoMoreItems;

    std::vector<std::uint32_t> removed;
    std::vector<std::uint32_t> offeredBytes;
    bool closed = false;
    bool readAfterClose = false;

    bool Open() override { return opens; }
    bool Select(std::uint32_t index) override {
        selected_ = index;
        return index < devices.size();
    }
    bool ReadProperty(std::uint32_t property, wchar_t* buffer, std::uint32_t bytes) override {
        offeredBytes.push_back(bytes);
        const FakeDevice& d = devices.at(selected_);
        const auto& value = property == kPropertyHardwareId ? d.hardwareIds : d.description;
        if (!value) return false;
        // `bytes` counts UTF-16 bytes, whatever wchar_t is on this host.
        if ((value->size() + 1) * 2 > bytes) return false;
        std::copy(value->c_str(), value->c_str() + value->size() + 1, buffer);
        return true;
    }
    void RemoveSelected() override { removed.push_back(selected_); }
    void Close() override { closed = true; }
    std::uint32_t LastError() override {
        readAfterClose = closed;
        return lastErrorAtEnd;
    }

private:
    std::uint32_t selected_ = 0;
};

const std::wstring kCard = kCardDeviceDescription;
// A hardware ID list: the strings joined by terminators.
const std::wstring kPciIds = std::wstring(L"PCI\\VEN_10EC&DEV_8812\0PCI\\VEN_10EC", 34);

TEST(CardMatching, PrefixIsPciInAnyAsciiCase) {
    for (const wchar_t* id : {L"PCI\\VEN_10EC&DEV_8812", L"pci\\ven_10ec", L"PcI"})
        EXPECT_TRUE(IsPciHardwareId(id)) << id;
    // Only A to Z fold: a capital dotted I is no "i", whatever the locale says.
    for (const wchar_t* id : {L"USB\\VID_0BDA", L"PC", L"", L" PCI\\VEN", L"PC\u0130\\VEN_10EC"})
        EXPECT_FALSE(IsPciHardwareId(id)) << id;
}

TEST(CardMatching, DescriptionIgnoresCaseButNothingElse) {
    for (const wchar_t* d : {kCardDeviceDescription, L"REALTEK 8812AE WIRELESS LAN 802.11AC PCI-E NIC",
                             L"realtek 8812ae wireless lan 802.11ac pci-e nic"})
        EXPECT_TRUE(IsCardDescription(d)) << d;
    // Letters outside ASCII never fold: the Kelvin sign is not a "k".
    for (const wchar_t* d : {L"Realtek 8812AE Wireless LAN 802.11ac PCI-E NIC ", L"",
                             L"Realtek 8812AE Wireless LAN 802.11ac PCI-E NI",
                             L"Realtek  8812AE Wireless LAN 802.11ac PCI-E NIC",
                             L"Realte\u212A 8812AE Wireless LAN 802.11ac PCI-E NIC",
                             L"Realtek 8812AE W\u0130reless LAN 802.11ac PCI-E NIC"})
        EXPECT_FALSE(IsCardDescription(d)) << d;
}

TEST(RemoveCardDevice, SkipsOtherEnumeratorsDescriptionsAndFailedReads) {
    FakeDeviceList list;
    list.devices = {
        {L"USB\\VID_0BDA&PID_8812", kCard},                     // other enumerator
        {std::nullopt, kCard},                                  // hardware ID unreadable
        {kPciIds, std::nullopt},                                // description unreadable
        {kPciIds, L"Realtek 8812AE Wireless LAN 802.11ac"},     // another card
        {std::wstring(5000, L'P'), kCard},                      // ID list too long for the buffer
        {std::wstring(L"ROOT\\NET\0PCI\\VEN_10EC", 21), kCard},  // only a later ID names PCI
        {L"pci\\ven_10ec&dev_8812", L"REALTEK 8812AE WIRELESS LAN 802.11AC PCI-E NIC"},
    };
    EXPECT_EQ(RemoveCardDevice(list), 0);
    EXPECT_EQ(list.removed, std::vector<std::uint32_t>{6});
}

TEST(RemoveCardDevice, EveryReadIsOfferedTwoBytesLessThanTheBuffer) {
    FakeDeviceList list;
    list.devices = {{kPciIds, L"other"}, {L"ACPI\\X", kCard}};
    RemoveCardDevice(list);
    EXPECT_EQ(list.offeredBytes, (std::vector<std::uint32_t>{8190, 8190, 8190}));
}

// Only the first of two matches goes; a list that cannot be opened is not closed.
TEST(RemoveCardDevice, RemovesTheFirstMatchAndClosesWhatItOpened) {
    const struct { const char* name; bool opens; std::vector<FakeDevice> devices; std::uint32_t lastError; int result;
                   std::vector<std::uint32_t> removed; bool closed; } rows[] = {
        {"two matches", true, {{L"ROOT\\NET\\0000", kCard}, {kPciIds, kCard}, {kPciIds, kCard}}, 0, 0, {1}, true},
        {"empty list", true, {}, kErrorNoMoreItems, 0, {}, true},
        {"cannot be opened", false, {{kPciIds, kCard}}, kErrorNoMoreItems, 1, {}, false},
    };
    for (const auto& row : rows) {
        FakeDeviceList list;
        list.opens = row.opens;
        list.devices = row.devices;
        list.lastErrorAtEnd = row.lastError;
        EXPECT_EQ(RemoveCardDevice(list), row.result) << row.name;
        EXPECT_EQ(list.removed, row.removed) << row.name;
        EXPECT_EQ(list.closed, row.closed) << row.name;
    }
}

TEST(RemoveCardDevice, ResultFollowsLastErrorAfterRelease) {
    FakeDeviceList list;
    list.lastErrorAtEnd = 13;  // ERROR_INVALID_DATA from a broken enumeration
    EXPECT_EQ(RemoveCardDevice(list), 1);
    EXPECT_TRUE(list.readAfterClose);
}

}  // namespace
}  // namespace engine
