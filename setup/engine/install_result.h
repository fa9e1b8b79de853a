#pragma once
// The one message the install worker sends back to the installing page: posted
// once, as the worker's last act, with the outcome in wParam and lParam 0.
// Plain constants so the worker's logic builds without <windows.h>.
#include <optional>

// WM_USER + 1500
inline constexpr unsigned int WM_INSTALL_RESULT = 0x0400 + 1500;

// The numbers are what is posted and stored: a new outcome takes a new number.
enum InstallOutcome : unsigned int {
    // DPInst ran and (before Windows 10) installed at least one package.
    INSTALL_RESULT_SUCCESS = 0,
    // DPInst did not start, or installed nothing on Windows 7, 8 or 8.1.
    INSTALL_RESULT_FAILED = 1,
    // No package for this Windows version; nothing was launched or rescanned.
    INSTALL_RESULT_UNSUPPORTED_OS = 2,
};

// The outcome a posted or stored number stands for; nullopt for a number the
// worker never posts. No default: a new outcome left out here does not build.
constexpr std::optional<InstallOutcome> PostedOutcome(unsigned long long value) noexcept {
    if (value > 0xFFFFFFFFull) return std::nullopt;  // a wide wParam is not cut down to a listed one
    const auto outcome = static_cast<InstallOutcome>(value);
    switch (outcome) {
        case INSTALL_RESULT_SUCCESS:
        case INSTALL_RESULT_FAILED:
        case INSTALL_RESULT_UNSUPPORTED_OS:
            return outcome;
    }
    return std::nullopt;
}
