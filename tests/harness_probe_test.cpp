// What every window test here takes for granted of the Wine prefix it runs in
// (tools/harness/make-prefix.sh): the programs' Korean font names reach an
// installed font with Hangul glyphs. Without that, every painted text would
// compare against empty boxes and the pixel tests would fail for no fault of
// the programs.
#include <gtest/gtest.h>
#include <windows.h>

#include <iterator>
#include <string>

namespace {

std::wstring Substitute(const wchar_t* face) {
    wchar_t value[128] = {};
    DWORD bytes = sizeof value - sizeof(wchar_t);
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
                       face, RRF_RT_REG_SZ, nullptr, value, &bytes) != ERROR_SUCCESS) {
        return L"(none)";
    }
    return value;
}

TEST(Harness, ThePrefixMapsTheKoreanAndDialogFontsToBaekmuk) {
    for (const wchar_t* face : {L"gulim", L"MS Shell Dlg", L"MS Shell Dlg 2", L"MS 셸 대화 상자"})
        EXPECT_EQ(Substitute(face), L"Baekmuk Gulim") << static_cast<const void*>(face);
}

TEST(Harness, GulimDrawsHangulWithRealGlyphs) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -12;
    lf.lfCharSet = DEFAULT_CHARSET;
    wcscpy(lf.lfFaceName, L"gulim");
    HFONT font = ::CreateFontIndirectW(&lf);
    ASSERT_NE(font, nullptr);
    HGDIOBJ old = ::SelectObject(dc, font);
    const wchar_t text[] = L"무선 랜카드 설치";
    WORD glyphs[std::size(text) - 1] = {};
    EXPECT_EQ(::GetGlyphIndicesW(dc, text, static_cast<int>(std::size(glyphs)), glyphs, GGI_MARK_NONEXISTING_GLYPHS),
              static_cast<DWORD>(std::size(glyphs)));
    for (size_t i = 0; i < std::size(glyphs); ++i) {
        if (text[i] == L' ') continue;
        EXPECT_NE(glyphs[i], 0xFFFF) << "no glyph for character " << i;
    }
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::DeleteDC(dc);
}

}  // namespace
