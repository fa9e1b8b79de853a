#pragma once
// The icon a framework message box adds when the caller names none: a plain
// notice warns, a yes/no question asks.
#include <cstdint>

namespace fw {

inline constexpr std::uint32_t kMbTypeMask = 0x0000000F;
inline constexpr std::uint32_t kMbIconMask = 0x000000F0;
inline constexpr std::uint32_t kMbOk = 0x0, kMbOkCancel = 0x1, kMbYesNoCancel = 0x3, kMbYesNo = 0x4;
inline constexpr std::uint32_t kMbIconQuestion = 0x20, kMbIconExclamation = 0x30;

constexpr std::uint32_t MessageBoxStyle(std::uint32_t type) noexcept {
    if ((type & kMbIconMask) != 0) return type;
    switch (type & kMbTypeMask) {
    case kMbOk:
    case kMbOkCancel: return type | kMbIconExclamation;
    case kMbYesNo:
    case kMbYesNoCancel: return type | kMbIconQuestion;
    default: return type;
    }
}

}  // namespace fw
