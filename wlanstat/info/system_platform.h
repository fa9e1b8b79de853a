#pragma once
// The real system behind one collection cycle, as one worker uses it.
#include "wlanstat/info/collection_cycle.h"
#include "wlanstat/info/system_services.h"
#include "wlanstat/info/system_wlan_client.h"

namespace wlanstat {

// What a worker thread collects with; tests give their own.
class WorkerSystem {
public:
    virtual ~WorkerSystem() = default;
    virtual InfoPlatform& Platform() = 0;
};

class SystemPlatform final : public WorkerSystem {
public:
    explicit SystemPlatform(WorkerLink& link) : clock_(link) {}
    InfoPlatform& Platform() override { return platform_; }

private:
    SystemWlanClient wlan_;
    SystemServiceControl scm_;
    LinkWaitClock clock_;
    SystemIpHelper ip_;
    SystemCounterDevice counters_;
    SystemAnsiText ansi_;
    InfoPlatform platform_{wlan_, scm_, clock_, ip_, counters_, ansi_};
};

}  // namespace wlanstat
