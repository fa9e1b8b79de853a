#include "wlanstat/info/ssid_text.h"

#include <gtest/gtest.h>

#include <string>

namespace wlanstat {
namespace {

// Stands in for the ANSI code page: marks what it converted.
class MarkingAnsi : public AnsiText {
public:
    std::wstring FromAnsi(const char* bytes, std::size_t length) override {
        ++calls;
        std::wstring out = L"ansi:";
        for (std::size_t i = 0; i < length; ++i) out += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]));
        return out;
    }
    int calls = 0;
};

std::wstring Ssid(const std::string& bytes, std::size_t length, MarkingAnsi& ansi) {
    return SsidText(reinterpret_cast<const std::uint8_t*>(bytes.data()), length, ansi);
}

TEST(SsidText, AsciiIsTakenAsIs) {
    MarkingAnsi ansi;
    EXPECT_EQ(Ssid("HomeNet", 7, ansi), L"HomeNet");
    EXPECT_EQ(Ssid("HomeNet", 4, ansi), L"Home");
    EXPECT_EQ(Ssid("", 0, ansi), L"");
    EXPECT_EQ(ansi.calls, 0);
}

TEST(SsidText, CutAtFirstZeroByteAnd32BytesTakenWhole) {
    MarkingAnsi ansi;
    EXPECT_EQ(Ssid(std::string("ab\0cd", 5), 5, ansi), L"ab");
    const std::string full(32, 'Z');
    EXPECT_EQ(Ssid(full + "overflow", 32, ansi), std::wstring(32, L'Z'));
    // A length past the standard's 32 bytes is cut, not read beyond.
    EXPECT_EQ(Ssid(full + "overflow", 40, ansi), std::wstring(32, L'Z'));
}

TEST(SsidText, Utf8HangulDecodedAsUtf8) {
    MarkingAnsi ansi;
    // "우리집" (three Hangul syllables, 9 bytes) and a 4-byte sequence (U+1F4F6).
    EXPECT_EQ(Ssid("\xEC\x9A\xB0\xEB\xA6\xAC\xEC\xA7\x91", 9, ansi), L"\uC6B0\uB9AC\uC9D1");
    EXPECT_EQ(Ssid("a\xF0\x9F\x93\xB6", 5, ansi), L"a\U0001F4F6");
    EXPECT_EQ(ansi.calls, 0);
}

TEST(SsidText, NotUtf8FallsBackToAnsi) {
    MarkingAnsi ansi;
    // CP949 "우리" and bytes that are not UTF-8: stray continuation, truncated,
    // overlong, surrogate, beyond U+10FFFF.
    EXPECT_EQ(Ssid("\xBF\xEC\xB8\xAE", 4, ansi), L"ansi:\xBF\xEC\xB8\xAE");
    for (const std::string bad : {"\x80", "\xEC\x9A", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"}) {
        std::wstring out;
        EXPECT_FALSE(DecodeUtf8(bad.data(), bad.size(), out)) << bad.size();
    }
    EXPECT_EQ(ansi.calls, 1);
}

}  // namespace
}  // namespace wlanstat
