#include "wlanstat/info/service_guard.h"

namespace wlanstat {

namespace {

// A failed query leaves nothing to trust: count it as not running.
ServiceState Query(ServiceControl& scm) {
    ServiceState state;
    if (!scm.QueryStatus(state)) state = ServiceState{};
    return state;
}

int StartAndWait(ServiceControl& scm, WaitClock& clock) {
    if (!scm.OpenNamedService(kWlanServiceName)) return 0;
    ServiceState state = Query(scm);
    if (state.currentState == kServiceRunning) return 1;
    if (!scm.Start()) return 0;
    state = Query(scm);
    const std::uint32_t t0 = clock.Ticks();
    while (state.currentState != kServiceRunning) {
        if (clock.Ticks() - t0 >= kServiceStartTimeoutMs) return 0;
        if (!clock.Sleep(state.waitHint)) return 0;
        state = Query(scm);
    }
    return 1;
}

}  // namespace

int EnsureWlanService(ServiceControl& scm, WaitClock& clock) {
    if (!scm.OpenManager()) return 0;
    const int result = StartAndWait(scm, clock);
    scm.Close();
    return result;
}

}  // namespace wlanstat
