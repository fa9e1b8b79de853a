#include "wlanstat/info/fuzz/decoder_checks.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/ascii.h"
#include "wlanstat/info/collection_cycle.h"
#include "wlanstat/info/test_support/info_fakes.h"
#include "wlanstat/info/value_text.h"

namespace wlanstat::fuzz {

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// Reads the input front to back; past its end every read gives zeros.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint32_t U32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= std::uint32_t{Byte()} << (8 * i);
        return v;
    }
    std::uint64_t U64() {
        const std::uint64_t low = U32();
        return low | (std::uint64_t{U32()} << 32);
    }
    // A size as a hostile source states one: mostly small, sometimes anything.
    std::uint32_t Size() {
        const std::uint8_t b = Byte();
        return b < 0xF0 ? b : U32();
    }
    // Exactly `n` bytes in a buffer of their own, so that reading past them trips the sanitizer.
    std::vector<std::uint8_t> Bytes(std::size_t n) {
        std::vector<std::uint8_t> out(n);
        for (std::uint8_t& b : out) b = Byte();
        return out;
    }
    std::wstring Text(std::size_t max) {
        std::wstring out(Byte() % (max + 1), L'\0');
        for (wchar_t& c : out) c = static_cast<wchar_t>(Byte());
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// ---- SSID ----

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decoded text back to UTF-8. A lone surrogate or a value past U+10FFFF is no
// text the decoder may give.
std::string Utf8Of(const std::wstring& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = static_cast<char32_t>(text[i]);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char32_t>(text[++i]) - 0xDC00);
        }
        Require(cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF));
        AppendUtf8(out, cp);
    }
    return out;
}

class RecordingAnsi final : public AnsiText {
public:
    std::wstring FromAnsi(const char* bytes, std::size_t length) override {
        ++calls;
        given = bytes;
        givenLength = length;
        return L"ansi";
    }
    int calls = 0;
    const char* given = nullptr;
    std::size_t givenLength = 0;
};

// ---- collection cycle ----

// The first interface is shown, as on a first cycle.
class FirstShown final : public SharedSelection {
public:
    bool ResetShown() override { return true; }
    bool AdoptInterfaces(std::vector<InterfaceInfo>& list, Guid& shown, std::int32_t& state) override {
        shown = list[0].InterfaceGuid;
        state = list[0].isState;
        return true;
    }
};

// The primary channel a chanspec value names, worked out apart from the decoder.
std::uint32_t ExpectedChannel(std::uint8_t lo, std::uint8_t hi) {
    int channel = lo;
    const int width = hi & 0x38, sideband = hi & 0x07;
    if (width == 0x18) channel += (sideband & 1) ? 2 : -2;
    if (width == 0x20 && sideband < 4) channel += sideband * 4 - 6;
    return channel < 1 ? 0u : static_cast<std::uint32_t>(channel);
}

// ---- counters ----

class AnsweringDevice final : public CounterDevice {
public:
    struct Answer {
        bool asked = false;
        bool ok = false;
        std::uint32_t returned = 0;
        std::vector<std::uint8_t> bytes;
    };

    explicit AnsweringDevice(Input& in) : in_(in) {}
    bool Open(const std::wstring&) override { return true; }
    bool Query(std::uint32_t oid, CounterAnswer& answer) override {
        Require(oid == kOidXmitOk || oid == kOidRcvOk);
        // Each request gets a clear buffer: nothing of an earlier answer is in it.
        Require(answer.returned == 0);
        for (std::uint8_t b : answer.bytes) Require(b == 0);
        Answer& a = oid == kOidXmitOk ? sent : received;
        a.asked = true;
        a.ok = (in_.Byte() & 1) != 0;
        a.returned = in_.Size();
        a.bytes = in_.Bytes(sizeof answer.bytes);
        // The driver writes what it says it wrote, as far as the buffer goes.
        std::memcpy(answer.bytes, a.bytes.data(), std::min<std::size_t>(a.returned, sizeof answer.bytes));
        answer.returned = a.returned;
        return a.ok;
    }
    void Close() override {}

    Answer sent, received;

private:
    Input& in_;
};

std::uint64_t ExpectedCount(const AnsweringDevice::Answer& a) {
    if (!a.ok || (a.returned != 4 && a.returned != 8)) return 0;
    std::uint64_t v = 0;
    for (std::uint32_t i = 0; i < a.returned; ++i) v |= std::uint64_t{a.bytes[i]} << (8 * i);
    return v;
}

// ---- adapter table ----

std::wstring Lower(std::wstring s) {
    std::ranges::transform(s, s.begin(), fw::AsciiLower);
    return s;
}

// A socket address as the table holds one: the length it states and exactly
// that many bytes behind it.
IpSockAddr SockAddr(Input& in) {
    const std::int32_t length = static_cast<std::int8_t>(in.Byte());
    const std::vector<std::uint8_t> bytes = in.Bytes(length > 0 ? static_cast<std::size_t>(length) : 0);
    return SockAddrFromBytes(bytes.empty() ? nullptr : bytes.data(), length);
}

// Empty, or four decimal numbers of at most 255 between dots; the value in `out`.
bool DottedQuad(const std::wstring& text, std::uint32_t& out) {
    out = 0;
    int parts = 0;
    std::size_t i = 0;
    while (parts < 4) {
        std::uint32_t part = 0;
        std::size_t digits = 0;
        while (i < text.size() && text[i] >= L'0' && text[i] <= L'9' && digits < 4) {
            part = part * 10 + static_cast<std::uint32_t>(text[i++] - L'0');
            ++digits;
        }
        if (digits == 0 || digits > 3 || part > 255) return false;
        out = (out << 8) | part;
        if (++parts < 4 && (i >= text.size() || text[i++] != L'.')) return false;
    }
    return i == text.size();
}

bool AddressOrEmpty(const std::wstring& text) {
    std::uint32_t v = 0;
    return text.empty() || DottedQuad(text, v);
}

class TableFromInput final : public IpHelper {
public:
    struct Named {
        std::wstring name;
        IpAdapterEntry entry;
    };

    TableFromInput(Input& in, const std::wstring& guid) {
        for (std::uint32_t& r : results) {
            const std::uint8_t b = in.Byte();
            r = b % 3 == 0 ? 0 : b % 3 == 1 ? kErrorBufferOverflow : in.U32();
        }
        needed = in.U32();
        adapters.resize(in.Byte() % 6);
        for (Named& a : adapters) {
            const std::uint8_t pick = in.Byte() % 3;
            a.name = pick == 0 ? guid : pick == 1 ? Lower(guid) : in.Text(40);
            IpAdapterEntry& e = a.entry;
            e.friendlyName = in.Text(8);
            e.description = in.Text(8);
            for (std::uint8_t& b : e.physicalAddress) b = in.Byte();
            e.flags = in.U32();
            e.unicast.resize(in.Byte() % 4);
            for (IpUnicast& u : e.unicast) {
                u.address = SockAddr(in);
                u.prefixLength = in.Byte();
            }
            e.gateways.resize(in.Byte() % 3);
            for (IpSockAddr& g : e.gateways) g = SockAddr(in);
            e.dnsServers.resize(in.Byte() % 4);
            for (IpSockAddr& d : e.dnsServers) d = SockAddr(in);
            e.dhcpv4Server = SockAddr(in);
            e.transmitLinkSpeed = in.U64();
        }
    }

    std::uint32_t QueryTable(std::uint32_t& size) override {
        // What the system side allocates for this size, before it asks.
        const std::uint64_t bytes = AdapterTableBytes(size);
        Require(bytes % 8 == 0 && bytes <= kAdapterTableMaxSize);
        if (bytes == 0) {
            Require(size == 0 || size > kAdapterTableMaxSize);
            refused = true;
            return 8;
        }
        Require(bytes >= size && bytes - size < 8);
        const std::uint32_t result = results[std::min<std::size_t>(queries++, 1)];
        if (result == kErrorBufferOverflow) size = needed;
        cursor_ = 0;
        ok_ = result == 0;
        return result;
    }
    bool NextAdapter(std::wstring& name) override {
        if (!ok_ || cursor_ >= adapters.size()) return false;
        name = adapters[cursor_++].name;
        return true;
    }
    void ReadAdapter(IpAdapterEntry& out) override {
        Require(ok_ && cursor_ > 0);
        out = adapters[cursor_ - 1].entry;
    }
    void ReleaseTable() override {
        ++released;
        ok_ = false;
    }

    std::uint32_t results[2] = {};
    std::uint32_t needed = 0;
    std::vector<Named> adapters;
    std::size_t queries = 0;
    int released = 0;
    bool refused = false;

private:
    std::size_t cursor_ = 0;
    bool ok_ = false;
};

}  // namespace

void CheckSsid(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> all(data, data + size);
    std::wstring wide;
    if (DecodeUtf8(reinterpret_cast<const char*>(all.data()), all.size(), wide))
        Require(Utf8Of(wide) == std::string(all.begin(), all.end()));

    Input in(data, size);
    const std::uint32_t reported = in.Size();
    const std::vector<std::uint8_t> ssid = in.Bytes(kSsidMax);  // the association's whole field
    RecordingAnsi ansi;
    const std::wstring text = SsidText(ssid.data(), reported, ansi);
    const auto end = std::find(ssid.begin(), ssid.begin() + std::min<std::size_t>(reported, kSsidMax), 0);
    const std::string taken(ssid.begin(), end);
    if (DecodeUtf8(taken.data(), taken.size(), wide)) {
        Require(ansi.calls == 0 && text == wide);
    } else {
        Require(ansi.calls == 1 && text == L"ansi");
        Require(ansi.given == reinterpret_cast<const char*>(ssid.data()) && ansi.givenLength == taken.size());
    }
}

void CheckChanspec(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    fakes::FakeSystem sys;
    sys.wlan.interfaces = {{fakes::G(1), L"card", kInterfaceConnected}};
    sys.wlan.channelOk = false;
    sys.wlan.ihvResult = (in.Byte() & 1) != 0 ? in.U32() : 0;
    sys.wlan.ihvReturned = in.Size();
    const std::vector<std::uint8_t> reply = in.Bytes(kChanspecSize);
    std::copy(reply.begin(), reply.end(), sys.wlan.ihvReply.begin());

    FirstShown selection;
    AdapterStatus status;
    QueryAdapterStatus(sys.platform, selection, status);
    Require(sys.Count("wlan.ihv") == 1 && sys.wlan.ihvRequestSeen == ChanspecRequest());
    const bool answered = sys.wlan.ihvResult == 0 && sys.wlan.ihvReturned > 0;
    Require(status.channel == (answered ? ExpectedChannel(reply[16], reply[17]) : 0u));
    Require(status.channel <= 255 + 6);
}

void CheckAdapterTable(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const std::wstring guid = GuidText(fakes::G(in.U32()));
    TableFromInput ip(in, guid);
    AdapterStatus s;
    QueryAdapterAddresses(ip, guid, s);

    Require(ip.released == 1 && ip.queries <= 2);
    const bool table = ip.results[0] == 0 || (ip.results[0] == kErrorBufferOverflow && !ip.refused && ip.results[1] == 0);
    const IpAdapterEntry* match = nullptr;
    if (table) {
        for (const auto& a : ip.adapters) {
            if (fw::SameIgnoringAsciiCase(a.name, guid)) {
                match = &a.entry;
                break;
            }
        }
    }
    if (match == nullptr) {
        Require(s == AdapterStatus{});
        return;
    }
    Require(s.description == match->description && s.friendlyName == match->friendlyName);
    Require(s.macAddress == MacText(match->physicalAddress));
    for (const std::wstring* a : {&s.ipAddress, &s.gateway, &s.dhcpServer, &s.dnsServer1, &s.dnsServer2})
        Require(AddressOrEmpty(*a));
    const bool hasIpv4 = std::any_of(match->unicast.begin(), match->unicast.end(),
                                     [](const IpUnicast& u) { return u.address.family == kFamilyInet; });
    Require(hasIpv4 == !s.ipAddress.empty() && hasIpv4 == !s.subnetMask.empty());
    std::uint32_t mask = 0;
    if (hasIpv4) Require(DottedQuad(s.subnetMask, mask) && ((~mask + 1) & ~mask) == 0);
    Require(s.dnsServer2.empty() || !s.dnsServer1.empty());
    Require(s.linkSpeedUnit == L"Gbps" || s.linkSpeedUnit == L"Mbps" || s.linkSpeedUnit == L"Kbps" ||
            s.linkSpeedUnit == L"bps");
}

void CheckCounters(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    AnsweringDevice device(in);
    AdapterStatus s;
    QueryTrafficCounters(device, L"{0C99DF9C-2283-41F1-B34F-324AB76F76AC}", s);
    Require(device.sent.asked && device.received.asked);
    Require(s.txFrames == ExpectedCount(device.sent));
    Require(s.rxFrames == ExpectedCount(device.received));
}

}  // namespace wlanstat::fuzz
