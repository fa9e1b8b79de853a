// setup's compiled resources as the program finds them: dialog templates word
// for word, bitmaps, the icon group, the string, the manifest and the version.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "setup/res/resource_ids.h"
#include "tests/support/compiled_resources.h"

namespace {

using namespace testres;

void ExpectPage(const Template& t, DWORD style) { ExpectDialog(t, style, 0, 347, 210, L"", L"MS Shell Dlg", 8); }

TEST(Resources, FrameTemplateIsACaptionlessPopupWithATaskbarButton) {
    Template t = LoadTemplate(IDD_FRAME);
    ExpectDialog(t, 0x90080040, 0x00040000, 347, 210, L"", L"Microsoft Sans Serif", 8);
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    EXPECT_TRUE(t.controls.empty());
}

TEST(Resources, PageTemplatesCarryTheirControlsExactly) {
    Template intro = LoadTemplate(IDD_INTRO);
    ExpectPage(intro, 0x40000048);
    ASSERT_EQ(intro.controls.size(), 2u);
    ExpectControl(intro.controls[0], 1172, L"Button", L"Button1", 0x50010000, 236, 194, 50, 14);
    ExpectControl(intro.controls[1], IDCANCEL, L"Button", L"Button2", 0x50010000, 289, 194, 50, 14);

    Template installing = LoadTemplate(IDD_INSTALLING);
    ExpectPage(installing, 0x40080048);
    ASSERT_EQ(installing.controls.size(), 3u);
    ExpectControl(installing.controls[0], 1172, L"Button", L"다음 >", 0x50010001, 237, 194, 50, 14);
    ExpectControl(installing.controls[1], IDCANCEL, L"Button", L"취소", 0x50010000, 289, 194, 50, 14);
    ExpectControl(installing.controls[2], 1178, L"Static", L"", 0x50000004, 7, 41, 333, 47);

    Template result = LoadTemplate(IDD_RESULT);
    ExpectPage(result, 0x40080048);
    ASSERT_EQ(result.controls.size(), 1u);
    ExpectControl(result.controls[0], IDCANCEL, L"Button", L"취소", 0x50010000, 289, 194, 50, 14);
}

TEST(Resources, BitmapsHaveTheirSizesAndStripsAreWhiteWhereTransparent) {
    ExpectBitmap(211, 24, 12);
    ExpectBitmap(212, 24, 12);
    for (UINT page = 241; page <= 244; ++page) ExpectBitmap(page, 527, 347);
}

TEST(Resources, IconGroupHoldsFiveThirtyTwoBitImages) { ExpectProgramIcon(IDI_APP_ICON); }

TEST(Resources, StringGifManifestAndVersion) {
    wchar_t text[128] = {};
    ASSERT_GT(::LoadStringW(::GetModuleHandleW(nullptr), 103, text, 128), 0);
    EXPECT_STREQ(text, L"Windows 소켓을 초기화하지 못했습니다.");

    DWORD size = 0;
    const BYTE* gif = ResourceBytes(IDR_INSTALL_GIF, L"GIF", &size);
    ASSERT_NE(gif, nullptr);
    EXPECT_EQ(std::memcmp(gif, "GIF89a", 6), 0);

    ExpectManifest("amd64");
    ExpectVersion(L"Quorix LanCard Installer");
}

}  // namespace
