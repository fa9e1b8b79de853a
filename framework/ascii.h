#pragma once
// ASCII case folding: device descriptions, hardware ids and adapter names match
// whatever the case of their ASCII letters, and only of those (no locale).
// Portable: the decisions use it natively too.
#include <algorithm>
#include <string_view>

namespace fw {

constexpr wchar_t AsciiLower(wchar_t c) noexcept {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

constexpr bool SameIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) noexcept {
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace fw
