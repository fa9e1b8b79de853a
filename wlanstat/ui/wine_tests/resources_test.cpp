// wlanstat's compiled resources as the program finds them: both dialog templates
// word for word, the bitmaps, the icon group, the menu string, the manifest and
// the version block.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/compiled_resources.h"
#include "wlanstat/res/resource_ids.h"

namespace {

using namespace testres;

// Both templates draw in the dialog font at its default weight.
void ExpectDialogInDialogFont(const Template& t, DWORD style, DWORD exStyle, short cx, short cy, const wchar_t* title) {
    ExpectDialog(t, style, exStyle, cx, cy, title, L"MS 셸 대화 상자", 9);
    EXPECT_EQ(t.weight, 0);
}

// The extended template keeps a control id as a DWORD: -1 is all ones.
constexpr DWORD kNoId = 0xFFFFFFFF;

TEST(Resources, StatusTemplateIsACaptionlessPopupWithItsThreeControls) {
    const Template t = LoadTemplate(IDD_STATUS_DIALOG);
    ExpectDialogInDialogFont(t, 0x96000040, 0x00040000, 420, 311, L"");
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    ASSERT_EQ(t.controls.size(), 3u);  // in tab order
    ExpectControl(t.controls[0], IDC_FOCUS_SINK, L"Button", L"", 0x50018000, 10, 296, 6, 6);
    ExpectControl(t.controls[1], IDC_ADAPTER_COMBO, L"ComboBox", L"", 0x50210003, 16, 17, 220, 18);
    ExpectControl(t.controls[2], IDC_CLOSE_BUTTON, L"Button", L"Button1", 0x50010000, 225, 173, 66, 15);
}

TEST(Resources, AboutTemplateCarriesIconVersionNoticeAndOk) {
    const Template t = LoadTemplate(IDD_ABOUT_DIALOG);
    ExpectDialogInDialogFont(t, 0x80C800C8, 0, 235, 55, L"LinkView 정보");
    ASSERT_EQ(t.controls.size(), 4u);
    ExpectControl(t.controls[0], kNoId, L"Static", L"#128", 0x50000003, 11, 17, 20, 20);
    ExpectControl(t.controls[1], kNoId, L"Static", L"LinkView 버전 1.0", 0x50020080, 40, 10, 119, 8);
    EXPECT_EQ(t.controls[2].id, kNoId);
    EXPECT_EQ(t.controls[2].style, 0x50020000u);
    EXPECT_EQ(t.controls[2].x, 40);
    EXPECT_EQ(t.controls[2].y, 25);
    EXPECT_EQ(t.controls[2].cx, 119);
    EXPECT_EQ(t.controls[2].cy, 8);
    EXPECT_FALSE(t.controls[2].text.empty());
    ExpectControl(t.controls[3], IDOK, L"Button", L"확인", 0x50030001, 178, 7, 50, 16);
}

TEST(Resources, BitmapsAreUncompressed24BitOfTheirSizes) {
    ExpectBitmap(IDB_BACKGROUND, 594, 398);
    ExpectBitmap(IDB_STATE_CONNECTED, 107, 97);
    ExpectBitmap(IDB_STATE_NOT_CONNECTED, 107, 97);
    ExpectBitmap(IDB_STATE_NO_ADAPTER, 107, 97);
    ExpectBitmap(IDB_CLOSE_IMAGES, 24, 12);
    ExpectBitmap(IDB_MINIMIZE_IMAGES, 24, 12);
}

TEST(Resources, IconGroupHoldsFiveThirtyTwoBitImages) { ExpectProgramIcon(IDI_APP_ICON); }

TEST(Resources, MenuStringManifestAndVersion) {
    wchar_t text[64] = {};
    ASSERT_GT(::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUT_MENU_ITEM, text, 64), 0);
    EXPECT_STREQ(text, L"LinkView 정보(&A)...");

#ifdef _WIN64
    ExpectManifest("amd64");  // the x86-64 test build
#else
    ExpectManifest("x86");
#endif
    ExpectVersion(L"Quorix WiFi 상태보기");
}

}  // namespace
