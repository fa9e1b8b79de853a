#pragma once
// SSID bytes to text. SSIDs are raw bytes; access points that carry Hangul in
// their name mostly send UTF-8, older ones the local code page.
#include <cstddef>
#include <cstdint>
#include <string>

namespace wlanstat {

// Converts bytes in the system's ANSI code page.
class AnsiText {
public:
    virtual std::wstring FromAnsi(const char* bytes, std::size_t length) = 0;

protected:
    ~AnsiText() = default;
};

// Longest SSID the standard allows; longer lengths are cut to it.
inline constexpr std::size_t kSsidMax = 32;

// The first `length` bytes up to the first zero byte, decoded as UTF-8 when they
// are valid UTF-8 and from the ANSI code page otherwise.
std::wstring SsidText(const std::uint8_t* bytes, std::size_t length, AnsiText& ansi);

// Strict UTF-8 to wide text (UTF-16 code units where wchar_t has 16 bits);
// false when the bytes are not valid UTF-8 (overlong forms, surrogates and values
// past U+10FFFF included).
bool DecodeUtf8(const char* bytes, std::size_t length, std::wstring& out);

}  // namespace wlanstat
