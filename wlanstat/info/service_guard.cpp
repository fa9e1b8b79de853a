#include "wlanstat/info/service_guard.h"

namespace wlanstat {

namespace {

int StartAndWait(ServiceControl& scm, WaitClock& clock) {
    if (!scm.OpenNamedService(kWlanServiceName)) return 0;
    // A failed first query leaves nothing to trust: count it as not running.
    ServiceState state;
    if (!scm.QueryStatus(state)) state = ServiceState{};
    if (state.currentState == kServiceRunning) return 1;
    if (!scm.Start()) return 0;
    // A query that fails during the wait would leave no state and no hint to
    // wait by (polling a core for the whole time-out): the wait ends there.
    if (!scm.QueryStatus(state)) return 0;
    const std::uint32_t t0 = clock.Ticks();
    while (state.currentState != kServiceRunning) {
        const std::uint32_t elapsed = clock.Ticks() - t0;
        if (elapsed >= kServiceStartTimeoutMs) return 0;
        if (!clock.Sleep(ServiceWaitPauseMs(state.waitHint, elapsed))) return 0;
        if (!scm.QueryStatus(state)) return 0;
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
