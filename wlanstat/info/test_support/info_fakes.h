#pragma once
// Recording fakes of the system interfaces, for the native tests.
#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "wlanstat/info/collection_cycle.h"
#include "wlanstat/info/status_members.h"

namespace wlanstat::fakes {

inline Guid G(std::uint32_t n) { return Guid{n, 0x1234, 0xABCD, {1, 2, 3, 4, 5, 6, 7, 8}}; }

// Every call goes into one shared log, so tests can check order across fakes.
using CallLog = std::vector<std::string>;

class FakeWlan : public WlanClient {
public:
    explicit FakeWlan(CallLog& log) : log_(log) {}
    std::vector<std::uint32_t> openResults{0};  // one per Open(); the last repeats
    bool enumOk = true;
    std::vector<InterfaceInfo> interfaces;
    std::uint32_t connectionResult = 0;  // 0 answers `connection`
    ConnectionInfo connection;
    bool channelOk = true;
    std::uint32_t channel = 0;
    std::uint32_t ihvResult = 0;
    std::uint32_t ihvReturned = 272;
    ChanspecBuffer ihvReply{};
    ChanspecBuffer ihvRequestSeen{};
    bool rssiOk = true;
    std::int32_t rssi = 0;
    Guid lastGuid;

    std::uint32_t Open() override {
        log_.push_back("wlan.open");
        const std::uint32_t r = openResults[std::min(opens_, openResults.size() - 1)];
        ++opens_;
        return r;
    }
    bool EnumInterfaces(std::vector<InterfaceInfo>& out) override {
        log_.push_back("wlan.enum");
        if (enumOk) out = interfaces;
        return enumOk;
    }
    std::uint32_t QueryConnection(const Guid& g, ConnectionInfo& out) override {
        log_.push_back("wlan.connection");
        lastGuid = g;
        if (connectionResult == 0) out = connection;
        return connectionResult;
    }
    bool QueryChannel(const Guid&, std::uint32_t& c) override {
        log_.push_back("wlan.channel");
        if (channelOk) c = channel;
        return channelOk;
    }
    std::uint32_t IhvControl(const Guid&, const ChanspecBuffer& request, ChanspecBuffer& reply,
                             std::uint32_t& returned) override {
        log_.push_back("wlan.ihv");
        ihvRequestSeen = request;
        reply = ihvReply;
        returned = ihvReturned;
        return ihvResult;
    }
    bool QueryRssi(const Guid&, std::int32_t& r) override {
        log_.push_back("wlan.rssi");
        if (rssiOk) r = rssi;
        return rssiOk;
    }
    void Close() override { log_.push_back("wlan.close"); }

private:
    CallLog& log_;
    std::size_t opens_ = 0;
};

// Tick time advances only by Sleep() and by `ticksPerCall` on each Ticks().
class FakeClock : public WaitClock {
public:
    explicit FakeClock(CallLog& log) : log_(log) {}
    std::uint32_t now = 0;
    std::uint32_t ticksPerCall = 0;
    bool closing = false;
    std::vector<std::uint32_t> sleeps;
    std::uint32_t Ticks() override {
        now += ticksPerCall;
        return now;
    }
    bool Sleep(std::uint32_t ms) override {
        log_.push_back("sleep " + std::to_string(ms));
        sleeps.push_back(ms);
        now += ms;
        return !closing;
    }

private:
    CallLog& log_;
};

class FakeScm : public ServiceControl {
public:
    explicit FakeScm(CallLog& log) : log_(log) {}
    bool managerOk = true;
    bool serviceOk = true;
    bool startOk = true;
    // One status per query; the last repeats. queryOk false makes that query fail.
    std::vector<ServiceState> states{{kServiceRunning, 0}};
    std::vector<bool> queryOk{true};
    std::wstring serviceName;
    int queries = 0;

    bool OpenManager() override {
        log_.push_back("scm.manager");
        return managerOk;
    }
    bool OpenNamedService(const wchar_t* name) override {
        log_.push_back("scm.service");
        serviceName = name;
        return serviceOk;
    }
    bool QueryStatus(ServiceState& out) override {
        log_.push_back("scm.query");
        const std::size_t i = static_cast<std::size_t>(queries++);
        if (!queryOk[std::min(i, queryOk.size() - 1)]) {
            out = ServiceState{kServiceRunning, 77};  // garbage that must not be trusted
            return false;
        }
        out = states[std::min(i, states.size() - 1)];
        if (onQuery) onQuery(queries);
        return true;
    }
    bool Start() override {
        log_.push_back("scm.start");
        return startOk;
    }
    void Close() override { log_.push_back("scm.close"); }
    std::function<void(int)> onQuery;

private:
    CallLog& log_;
};

// Adapter table whose addresses are given directly.
class FakeIp : public IpHelper {
public:
    explicit FakeIp(CallLog& log) : log_(log) {}
    struct Named {
        std::wstring adapterName;
        IpAdapterEntry entry;
    };
    std::vector<Named> adapters;
    std::vector<std::uint32_t> results{0};  // one per query; the last repeats
    std::uint32_t needed = 40000;
    std::vector<std::uint32_t> sizesAsked;
    int released = 0;

    std::uint32_t QueryTable(std::uint32_t& size) override {
        log_.push_back("ip.query");
        sizesAsked.push_back(size);
        const std::uint32_t r = results[std::min(sizesAsked.size() - 1, results.size() - 1)];
        if (r == kErrorBufferOverflow) size = needed;
        cursor_ = 0;
        ok_ = r == 0;
        return r;
    }
    bool NextAdapter(std::wstring& name) override {
        if (!ok_ || cursor_ >= adapters.size()) return false;
        name = adapters[cursor_++].adapterName;
        return true;
    }
    void ReadAdapter(IpAdapterEntry& out) override { out = adapters[cursor_ - 1].entry; }
    void ReleaseTable() override {
        log_.push_back("ip.release");
        ++released;
    }

private:
    CallLog& log_;
    std::size_t cursor_ = 0;
    bool ok_ = false;
};

class FakeCounters : public CounterDevice {
public:
    explicit FakeCounters(CallLog& log) : log_(log) {}
    bool openOk = true;
    std::map<std::uint32_t, std::uint64_t> values;  // a missing OID fails
    // Bytes the driver writes and reports per OID (default 8); it writes the
    // value's low bytes and leaves the rest of the buffer as it finds it.
    std::map<std::uint32_t, std::uint32_t> answerSizes;
    std::wstring path;
    bool Open(const std::wstring& p) override {
        log_.push_back("dev.open");
        path = p;
        return openOk;
    }
    bool Query(std::uint32_t oid, CounterAnswer& answer) override {
        log_.push_back("dev.query");
        auto it = values.find(oid);
        if (it == values.end()) return false;
        const auto size = answerSizes.find(oid);
        answer.returned = size == answerSizes.end() ? 8 : size->second;
        std::memcpy(answer.bytes, &it->second, std::min<std::size_t>(answer.returned, sizeof answer.bytes));
        return true;
    }
    void Close() override { log_.push_back("dev.close"); }

private:
    CallLog& log_;
};

class FakeAnsi : public AnsiText {
public:
    std::wstring FromAnsi(const char* bytes, std::size_t length) override {
        return L"ansi(" + std::wstring(bytes, bytes + length) + L")";
    }
};

inline IpSockAddr V4(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    IpSockAddr s;
    s.family = kFamilyInet;
    s.ipv4[0] = a, s.ipv4[1] = b, s.ipv4[2] = c, s.ipv4[3] = d;
    return s;
}

inline IpSockAddr V6() {
    IpSockAddr s;
    s.family = 23;
    return s;
}

// A dialog without a window, for a cycle run by hand: the worker's copy of the
// list is all it is asked for.
class NoWindow : public StatusHost {
public:
    HWND__* StatusWindow() const override { return nullptr; }
    std::wstring AdapterItemText(int) override { return {}; }
};

// All fakes wired together, with one log.
struct FakeSystem {
    CallLog log;
    FakeWlan wlan{log};
    FakeScm scm{log};
    FakeClock clock{log};
    FakeIp ip{log};
    FakeCounters counters{log};
    FakeAnsi ansi;
    InfoPlatform platform{wlan, scm, clock, ip, counters, ansi};

    int Count(const std::string& call) const {
        int n = 0;
        for (const std::string& c : log) n += c == call;
        return n;
    }
};

}  // namespace wlanstat::fakes
