#pragma once
// The system side of the service guard, the IP helper table, the adapter device
// and the ANSI code page.
#include <windows.h>

#include <vector>

#include "framework/unique_handle.h"
#include "wlanstat/info/ip_config.h"
#include "wlanstat/info/service_guard.h"
#include "wlanstat/info/ssid_text.h"
#include "wlanstat/info/traffic_counters.h"
#include "wlanstat/info/worker_link.h"

struct _IP_ADAPTER_ADDRESSES_LH;

namespace wlanstat {

class SystemServiceControl final : public ServiceControl {
public:
    SystemServiceControl() = default;
    ~SystemServiceControl() { Close(); }
    SystemServiceControl(const SystemServiceControl&) = delete;
    SystemServiceControl& operator=(const SystemServiceControl&) = delete;

    bool OpenManager() override;
    bool OpenNamedService(const wchar_t* name) override;
    bool QueryStatus(ServiceState& out) override;
    bool Start() override;
    void Close() override;

private:
    SC_HANDLE manager_ = nullptr;
    SC_HANDLE service_ = nullptr;
};

// Tick time from the system; sleeps end early when the worker is stopped.
class LinkWaitClock final : public WaitClock {
public:
    explicit LinkWaitClock(WorkerLink& link) : link_(link) {}
    std::uint32_t Ticks() override;
    bool Sleep(std::uint32_t ms) override;

private:
    WorkerLink& link_;
};

// GetAdaptersAddresses' form.
using AdapterTableQuery = ULONG(WINAPI*)(ULONG family, ULONG flags, PVOID reserved,
                                         _IP_ADAPTER_ADDRESSES_LH* table, PULONG size);

class SystemIpHelper final : public IpHelper {
public:
    // The system's GetAdaptersAddresses, or another function of its form (tests).
    explicit SystemIpHelper(AdapterTableQuery query = nullptr) : query_(query) {}

    std::uint32_t QueryTable(std::uint32_t& size) override;
    bool NextAdapter(std::wstring& adapterName) override;
    void ReadAdapter(IpAdapterEntry& out) override;
    void ReleaseTable() override;

private:
    AdapterTableQuery query_;
    std::vector<ULONGLONG> table_;  // 8-byte aligned, as the entries need
    const _IP_ADAPTER_ADDRESSES_LH* next_ = nullptr;
    const _IP_ADAPTER_ADDRESSES_LH* current_ = nullptr;
};

class SystemCounterDevice final : public CounterDevice {
public:
    bool Open(const std::wstring& path) override;
    bool Query(std::uint32_t oid, CounterAnswer& answer) override;
    void Close() override;

private:
    fw::UniqueHandle device_;
};

class SystemAnsiText final : public AnsiText {
public:
    std::wstring FromAnsi(const char* bytes, std::size_t length) override;
};

}  // namespace wlanstat
