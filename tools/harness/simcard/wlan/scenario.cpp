#include "tools/harness/simcard/wlan/scenario.h"

#include <cstdlib>
#include <sstream>

namespace simcard {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Hex bytes; ':' and '-' between them are allowed.
bool ParseHex(const std::string& text, std::vector<std::uint8_t>& out) {
    out.clear();
    int high = -1;
    for (char c : text) {
        if ((c == ':' || c == '-') && high < 0) continue;
        const int d = HexDigit(c);
        if (d < 0) return false;
        if (high < 0) {
            high = d;
        } else {
            out.push_back(static_cast<std::uint8_t>(high << 4 | d));
            high = -1;
        }
    }
    return high < 0;
}

bool ParseNumber(const std::string& text, long long& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    out = std::strtoll(text.c_str(), &end, 0);
    return end != nullptr && *end == '\0';
}

// The line after its first `words` words, spaces inside kept.
std::string RestOfLine(const std::string& line, int words) {
    std::size_t at = 0;
    for (int i = 0; i < words; ++i) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string::npos) return {};
        at = line.find_first_of(" \t", at);
        if (at == std::string::npos) return {};
    }
    const auto from = line.find_first_not_of(" \t", at);
    if (from == std::string::npos) return {};
    return line.substr(from, line.find_last_not_of(" \t") + 1 - from);
}

const std::map<std::string, std::uint32_t>& StateNames() {
    static const std::map<std::string, std::uint32_t> names = {
        {"not_ready", 0},    {"connected", 1},   {"ad_hoc", 2},      {"disconnecting", 3},
        {"disconnected", 4}, {"associating", 5}, {"discovering", 6}, {"authenticating", 7},
    };
    return names;
}

}  // namespace

bool ParseGuid(const std::string& text, std::array<std::uint8_t, 16>& out) {
    if (text.size() != 38 || text.front() != '{' || text.back() != '}') return false;
    std::string digits;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
        if (dash != (text[i] == '-')) return false;
        if (!dash) digits += text[i];
    }
    std::vector<std::uint8_t> b;
    if (!ParseHex(digits, b) || b.size() != 16) return false;
    // Data1, Data2 and Data3 are little-endian in memory; Data4 is a byte array.
    const int order[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    for (int i = 0; i < 16; ++i) out[i] = b[order[i]];
    return true;
}

Scenario ParseScenario(const std::string& text) {
    Scenario s;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string key;
        if (!(std::istringstream(line) >> key) || key[0] == '#') continue;
        // An interface's description runs to the end of its line, '#' and all.
        const auto hash = line.find('#');
        if (key != "interface" && hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        words >> key;
        std::vector<std::string> args;
        for (std::string w; words >> w;) args.push_back(w);
        const auto bad = [&] { s.errors.push_back("line " + std::to_string(number) + ": " + line); };
        Interface* current = s.interfaces.empty() ? nullptr : &s.interfaces.back();
        long long n = 0;
        std::vector<std::uint8_t> bytes;

        if (key == "interface") {
            Interface i;
            const auto state = args.size() >= 2 ? StateNames().find(args[1]) : StateNames().end();
            if (args.size() < 2 || (args[0] != "ip" && !ParseGuid(args[0], i.guid))) {
                bad();
                continue;
            }
            i.guidFromIpHelper = args[0] == "ip";
            if (state != StateNames().end()) {
                i.state = state->second;
            } else if (ParseNumber(args[1], n)) {
                i.state = static_cast<std::uint32_t>(n);
            } else {
                bad();
                continue;
            }
            i.description = RestOfLine(line, 3);
            s.interfaces.push_back(std::move(i));
        } else if (key == "service") {
            if (args.empty() || (args[0] != "auto" && args[0] != "demand" && args[0] != "disabled")) {
                bad();
                continue;
            }
            s.service.startType = args[0];
            if (args.size() > 1) {
                if (args[1] == "never") s.service.pendingMs.reset();
                else if (ParseNumber(args[1], n) && n >= 0) s.service.pendingMs = static_cast<std::uint32_t>(n);
                else bad();
            }
            if (args.size() > 2) {
                if (ParseNumber(args[2], n) && n >= 0) s.service.waitHintMs = static_cast<std::uint32_t>(n);
                else bad();
            }
        } else if (key == "fail") {
            if (args.size() != 2 || !ParseNumber(args[1], n)) {
                bad();
                continue;
            }
            s.failures[args[0]] = static_cast<std::uint32_t>(n);
        } else if (current == nullptr) {
            bad();
        } else if (key == "ssid") {
            if (args.size() > 1 || (args.size() == 1 && !ParseHex(args[0], bytes)) || bytes.size() > 32) {
                bad();
                continue;
            }
            current->ssid = bytes;
        } else if (key == "bssid") {
            if (args.size() != 1 || !ParseHex(args[0], bytes) || bytes.size() != 6) {
                bad();
                continue;
            }
            for (int i = 0; i < 6; ++i) current->bssid[i] = bytes[i];
        } else if (key == "channel") {
            if (args.size() != 1 || !ParseNumber(args[0], n)) bad();
            else current->channel = static_cast<std::uint32_t>(n);
        } else if (key == "rssi") {
            if (args.size() != 1 || !ParseNumber(args[0], n)) bad();
            else current->rssi = static_cast<std::int32_t>(n);
        } else if (key == "chanspec") {
            if (args.size() != 1 || (args[0] != "none" && !ParseHex(args[0], bytes)) || bytes.size() > 256) {
                bad();
                continue;
            }
            current->chanspec = args[0] == "none" ? std::vector<std::uint8_t>{} : bytes;
        } else {
            bad();
        }
    }
    return s;
}

}  // namespace simcard
