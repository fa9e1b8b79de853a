#pragma once
// One data collection of the status worker: enumerate the wireless interfaces,
// settle which one is shown, and read its state into a record.
#include <cstdint>
#include <vector>

#include "wlanstat/info/adapter_status.h"
#include "wlanstat/info/guid.h"
#include "wlanstat/info/interface_info.h"
#include "wlanstat/info/ip_config.h"
#include "wlanstat/info/service_guard.h"
#include "wlanstat/info/ssid_text.h"
#include "wlanstat/info/traffic_counters.h"
#include "wlanstat/info/wlan_client.h"

namespace wlanstat {

// Everything of the system one cycle uses.
struct InfoPlatform {
    WlanClient& wlan;
    ServiceControl& scm;
    WaitClock& clock;
    IpHelper& ip;
    CounterDevice& counters;
    AnsiText& ansi;
};

// The interface list and the selection, which the dialog shares.
class SharedSelection {
public:
    // No interface: nothing is shown (the list is kept). False when closing.
    virtual bool ResetShown() = 0;
    // Replaces the list and settles the shown adapter; returns its GUID and
    // isState. False when closing.
    virtual bool AdoptInterfaces(std::vector<InterfaceInfo>& list, Guid& shown, std::int32_t& shownState) = 0;

protected:
    ~SharedSelection() = default;
};

// Fills `status`, which starts empty. Failures leave fields empty or 0.
void QueryAdapterStatus(InfoPlatform& platform, SharedSelection& selection, AdapterStatus& status);

}  // namespace wlanstat
