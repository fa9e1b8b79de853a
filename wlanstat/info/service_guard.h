#pragma once
// Starts the WLAN AutoConfig service when the WLAN client API finds it inactive,
// and waits a bounded time for it to run.
#include <cstdint>

namespace wlanstat {

inline constexpr std::uint32_t kServiceRunning = 4;
inline constexpr std::uint32_t kServiceStartTimeoutMs = 15000;
inline constexpr std::uint32_t kServiceWaitFloorMs = 50;
inline constexpr const wchar_t* kWlanServiceName = L"WlanSvc";

// The pause before the next status query, `elapsed` ms into the wait: the
// service's hint, but at least the floor (a hint of 0 would poll the manager
// back to back) and never past the time-out (a service's hint is an outside
// value: 4,000,000,000 ms would stall the viewer for weeks).
constexpr std::uint32_t ServiceWaitPauseMs(std::uint32_t hint, std::uint32_t elapsed) noexcept {
    const std::uint32_t left = elapsed < kServiceStartTimeoutMs ? kServiceStartTimeoutMs - elapsed : 0;
    const std::uint32_t pause = hint < kServiceWaitFloorMs ? kServiceWaitFloorMs : hint;
    return pause < left ? pause : left;
}

struct ServiceState {
    std::uint32_t currentState = 0;
    std::uint32_t waitHint = 0;  // ms
};

// The service control manager, one service at a time. Close() closes what is open.
class ServiceControl {
public:
    virtual bool OpenManager() = 0;
    virtual bool OpenNamedService(const wchar_t* name) = 0;
    virtual bool QueryStatus(ServiceState& out) = 0;
    virtual bool Start() = 0;
    virtual void Close() = 0;

protected:
    ~ServiceControl() = default;
};

// Time for bounded waits.
class WaitClock {
public:
    virtual std::uint32_t Ticks() = 0;  // ms, wraps at 2^32
    // Sleeps `ms`; false when the program is closing and the wait should end now.
    virtual bool Sleep(std::uint32_t ms) = 0;

protected:
    ~WaitClock() = default;
};

// 1 when the service runs on return, 0 otherwise (cannot open, start refused,
// a status query failed while waiting, not running after 15 s, or closing).
int EnsureWlanService(ServiceControl& scm, WaitClock& clock);

}  // namespace wlanstat
