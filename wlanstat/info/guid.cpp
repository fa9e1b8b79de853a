#include "wlanstat/info/guid.h"

namespace wlanstat {

namespace {

void AppendHex(std::wstring& out, std::uint32_t value, int digits) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
}

}  // namespace

std::wstring GuidText(const Guid& g) {
    std::wstring text;
    text.reserve(38);
    text += L'{';
    AppendHex(text, g.data1, 8);
    text += L'-';
    AppendHex(text, g.data2, 4);
    text += L'-';
    AppendHex(text, g.data3, 4);
    text += L'-';
    AppendHex(text, g.data4[0], 2);
    AppendHex(text, g.data4[1], 2);
    text += L'-';
    for (int i = 2; i < 8; ++i) AppendHex(text, g.data4[i], 2);
    text += L'}';
    return text;
}

}  // namespace wlanstat
