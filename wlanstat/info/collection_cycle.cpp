#include "wlanstat/info/collection_cycle.h"

#include "framework/scope_exit.h"
#include "wlanstat/info/chanspec.h"
#include "wlanstat/info/value_text.h"

namespace wlanstat {

namespace {

bool OpenClient(InfoPlatform& p) {
    const std::uint32_t result = p.wlan.Open();
    if (result == 0) return true;
    if (result != kErrorServiceNotActive) return false;
    if (!EnsureWlanService(p.scm, p.clock)) return false;
    return p.wlan.Open() == 0;
}

std::uint32_t QueryChannel(WlanClient& wlan, const Guid& iface) {
    std::uint32_t channel = 0;
    if (wlan.QueryChannel(iface, channel)) return channel;
    ChanspecBuffer reply{};
    std::uint32_t returned = 0;
    if (wlan.IhvControl(iface, ChanspecRequest(), reply, returned) == 0 && returned > 0)
        return ChannelFromChanspecReply(reply);
    return 0;
}

}  // namespace

void QueryAdapterStatus(InfoPlatform& p, SharedSelection& selection, AdapterStatus& status) {
    if (!OpenClient(p)) return;
    const fw::ScopeExit closeClient([&p] { p.wlan.Close(); });

    std::vector<InterfaceInfo> list;
    if (!p.wlan.EnumInterfaces(list)) return;
    status.interfaceCount = static_cast<std::int32_t>(list.size());
    if (list.empty()) {
        selection.ResetShown();
        return;
    }
    Guid shown;
    std::int32_t state = 0;
    if (!selection.AdoptInterfaces(list, shown, state)) return;
    const std::wstring guidText = GuidText(shown);

    if (state != kInterfaceConnected) {
        status.connected = 0;
        QueryAdapterIdentity(p.ip, guidText, status);
        return;
    }
    status.connected = 1;
    // Windows 11 24H2 refuses the association (it reveals the BSSID) with access
    // denied to programs without location consent; the rest is no location data
    // and still shows. Any other failure: the interface did not answer as a
    // connected one, and nothing more is asked of it.
    ConnectionInfo connection;
    const std::uint32_t result = p.wlan.QueryConnection(shown, connection);
    if (result == 0) {
        status.ssid = SsidText(connection.ssid, connection.ssidLength, p.ansi);
        status.bssid = MacText(connection.bssid);
    } else if (result != kErrorAccessDenied) {
        return;
    }
    status.channel = QueryChannel(p.wlan, shown);
    QueryTrafficCounters(p.counters, guidText, status);
    std::int32_t rssi = 0;
    if (p.wlan.QueryRssi(shown, rssi)) status.rssi = rssi;
    QueryAdapterAddresses(p.ip, guidText, status);
}

}  // namespace wlanstat
