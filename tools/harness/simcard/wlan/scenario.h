#pragma once
// The simulated card's scenario: a small text file that a test writes and may
// rewrite while a program runs. README.md beside install-wlan.sh describes it.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace simcard {

struct Interface {
    std::array<std::uint8_t, 16> guid{};  // GUID in memory order
    bool guidFromIpHelper = false;         // "ip": the first real adapter's GUID
    std::uint32_t state = 0;
    std::string description;  // UTF-8
    std::vector<std::uint8_t> ssid;
    std::array<std::uint8_t, 6> bssid{};
    std::optional<std::uint32_t> channel;  // absent: the WLAN API does not know it
    std::optional<std::int32_t> rssi;
    // The driver's answer to the chanspec request, from reply byte 16 on;
    // absent: the driver does not answer; present and empty: it answers nothing.
    std::optional<std::vector<std::uint8_t>> chanspec;
};

struct Service {
    std::string startType = "demand";  // auto, demand, disabled (install-wlan.sh applies it)
    std::optional<std::uint32_t> pendingMs = 0;  // absent: never reaches running
    std::uint32_t waitHintMs = 0;
};

struct Scenario {
    std::vector<Interface> interfaces;
    std::map<std::string, std::uint32_t> failures;  // call name -> error code
    Service service;
    std::vector<std::string> errors;  // lines that could not be read
};

Scenario ParseScenario(const std::string& text);

// A GUID written "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}", case-insensitive.
bool ParseGuid(const std::string& text, std::array<std::uint8_t, 16>& out);

}  // namespace simcard
