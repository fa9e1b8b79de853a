#pragma once
// The present network-class devices through SetupAPI, loaded from System32.
#include <windows.h>
#include <setupapi.h>

#include "setup/engine/card_removal.h"

namespace engine {

class SetupApiNetDeviceList final : public NetDeviceList {
public:
    SetupApiNetDeviceList() = default;
    SetupApiNetDeviceList(const SetupApiNetDeviceList&) = delete;
    SetupApiNetDeviceList& operator=(const SetupApiNetDeviceList&) = delete;
    ~SetupApiNetDeviceList() { Close(); }

    bool Open() override;
    bool Select(std::uint32_t index) override;
    bool ReadProperty(std::uint32_t property, wchar_t* buffer, std::uint32_t bytes) override;
    void RemoveSelected() override;
    void Close() override;
    std::uint32_t LastError() override { return GetLastError(); }

private:
    HDEVINFO list_ = INVALID_HANDLE_VALUE;
    SP_DEVINFO_DATA device_{};
};

}  // namespace engine
