#include "wlanstat/info/ssid_text.h"

#include <cstring>

namespace wlanstat {

namespace {

void AppendCodePoint(std::wstring& out, char32_t cp) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (cp >> 10));
            out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(cp);
}

}  // namespace

bool DecodeUtf8(const char* bytes, std::size_t length, std::wstring& out) {
    out.clear();
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    std::size_t i = 0;
    while (i < length) {
        const unsigned char lead = p[i];
        char32_t cp;
        std::size_t extra;
        char32_t least;
        if (lead < 0x80) {
            out += static_cast<wchar_t>(lead);
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = lead & 0x1F, extra = 1, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0F, extra = 2, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            cp = lead & 0x07, extra = 3, least = 0x10000;
        } else {
            return false;
        }
        if (length - i <= extra) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const unsigned char c = p[i + k];
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        AppendCodePoint(out, cp);
        i += extra + 1;
    }
    return true;
}

std::wstring SsidText(const std::uint8_t* bytes, std::size_t length, AnsiText& ansi) {
    if (bytes == nullptr) return {};
    if (length > kSsidMax) length = kSsidMax;
    const auto* text = reinterpret_cast<const char*>(bytes);
    const void* zero = std::memchr(text, 0, length);
    if (zero != nullptr) length = static_cast<std::size_t>(static_cast<const char*>(zero) - text);
    std::wstring out;
    if (DecodeUtf8(text, length, out)) return out;
    return ansi.FromAnsi(text, length);
}

}  // namespace wlanstat
