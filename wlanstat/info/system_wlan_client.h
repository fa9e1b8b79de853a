#pragma once
// The WLAN client API of wlanapi.dll, resolved from System32.
#include <windows.h>

#include "wlanstat/info/wlan_client.h"

namespace wlanstat {

class SystemWlanClient final : public WlanClient {
public:
    SystemWlanClient() noexcept;
    ~SystemWlanClient();
    SystemWlanClient(const SystemWlanClient&) = delete;
    SystemWlanClient& operator=(const SystemWlanClient&) = delete;

    std::uint32_t Open() override;
    bool EnumInterfaces(std::vector<InterfaceInfo>& out) override;
    std::uint32_t QueryConnection(const Guid& iface, ConnectionInfo& out) override;
    bool QueryChannel(const Guid& iface, std::uint32_t& channel) override;
    std::uint32_t IhvControl(const Guid& iface, const ChanspecBuffer& request, ChanspecBuffer& reply,
                             std::uint32_t& bytesReturned) override;
    bool QueryRssi(const Guid& iface, std::int32_t& rssi) override;
    void Close() override;

private:
    // One opcode query; the data is copied out and the system's buffer freed.
    // 0 or the system's error; an answer shorter than `size` is ERROR_INVALID_DATA.
    DWORD Query(const Guid& iface, int opcode, void* out, DWORD size);

    struct Api;
    const Api& api_;
    HANDLE handle_ = nullptr;
};

}  // namespace wlanstat
