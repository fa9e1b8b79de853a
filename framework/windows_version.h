#pragma once
// The Windows version as the workstation service reports it (NetWkstaGetInfo at
// level 100), which both programs decide on. The record is portable, so the
// decisions made on it test natively.
#include <cstdint>

namespace fw {

struct WindowsVersion {
    std::uint32_t status = 0;  // the query's result; 0 = read, major and minor valid
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
};

// Asks the local machine once; the service's buffer is freed before returning.
// Windows only.
WindowsVersion QueryWindowsVersion() noexcept;

}  // namespace fw
