// wlanstat's compiled resources as the program finds them: both dialog templates
// word for word, the bitmaps, the icon group, the menu string, the manifest and
// the version block.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "wlanstat/res/resource_ids.h"

namespace {

struct Control {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::wstring cls;
    std::wstring text;  // "#n" for an ordinal
};

struct Template {
    WORD version = 0, signature = 0;
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring menu, cls, title, font;
    WORD pointSize = 0, weight = 0;
    std::vector<Control> controls;
};

class Reader {
public:
    explicit Reader(const BYTE* p) : p_(p), start_(p) {}
    template <typename T>
    T Get() {
        T v;
        std::memcpy(&v, p_, sizeof v);
        p_ += sizeof v;
        return v;
    }
    std::wstring Str() {
        std::wstring s;
        for (wchar_t c; (c = Get<wchar_t>()) != 0;) s += c;
        return s;
    }
    // A string or an ordinal (0xFFFF, n), the latter as "#n".
    std::wstring StrOrOrd() {
        WORD first;
        std::memcpy(&first, p_, sizeof first);
        if (first != 0xFFFF) return Str();
        p_ += 2;
        return L"#" + std::to_wstring(Get<WORD>());
    }
    // A control class: a name or one of the predefined ordinals.
    std::wstring ClassName() {
        const std::wstring c = StrOrOrd();
        if (c == L"#128") return L"Button";
        if (c == L"#130") return L"Static";
        if (c == L"#133") return L"ComboBox";
        return c;
    }
    void AlignDword() {
        while ((p_ - start_) % 4) ++p_;
    }

private:
    const BYTE* p_;
    const BYTE* start_;
};

const BYTE* ResourceBytes(UINT id, LPCWSTR type, DWORD* size = nullptr) {
    HRSRC res = ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), type);
    if (res == nullptr) return nullptr;
    if (size) *size = ::SizeofResource(nullptr, res);
    return static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, res)));
}

Template LoadTemplate(UINT id) {
    Template t;
    const BYTE* bytes = ResourceBytes(id, RT_DIALOG);
    EXPECT_NE(bytes, nullptr) << id;
    if (bytes == nullptr) return t;
    Reader r(bytes);
    t.version = r.Get<WORD>();
    t.signature = r.Get<WORD>();
    r.Get<DWORD>();  // help id
    t.exStyle = r.Get<DWORD>();
    t.style = r.Get<DWORD>();
    const WORD count = r.Get<WORD>();
    t.x = r.Get<short>();
    t.y = r.Get<short>();
    t.cx = r.Get<short>();
    t.cy = r.Get<short>();
    t.menu = r.StrOrOrd();
    t.cls = r.StrOrOrd();
    t.title = r.Str();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.Get<WORD>();
        t.weight = r.Get<WORD>();
        r.Get<BYTE>();  // italic
        r.Get<BYTE>();  // character set
        t.font = r.Str();
    }
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword();
        Control c;
        r.Get<DWORD>();  // help id
        c.exStyle = r.Get<DWORD>();
        c.style = r.Get<DWORD>();
        c.x = r.Get<short>();
        c.y = r.Get<short>();
        c.cx = r.Get<short>();
        c.cy = r.Get<short>();
        c.id = r.Get<DWORD>();
        c.cls = r.ClassName();
        c.text = r.StrOrOrd();
        const WORD extra = r.Get<WORD>();
        for (WORD k = 0; k < extra; ++k) r.Get<BYTE>();
        t.controls.push_back(c);
    }
    return t;
}

void ExpectControl(const Control& c, DWORD id, const wchar_t* cls, const wchar_t* text, DWORD style, short x,
                   short y, short cx, short cy) {
    SCOPED_TRACE(static_cast<int>(id));
    EXPECT_EQ(c.id, id);
    EXPECT_EQ(_wcsicmp(c.cls.c_str(), cls), 0) << c.cls;  // class names match in any case
    EXPECT_EQ(c.text, text);
    EXPECT_EQ(c.style, style);
    EXPECT_EQ(c.exStyle, 0u);
    EXPECT_EQ(c.x, x);
    EXPECT_EQ(c.y, y);
    EXPECT_EQ(c.cx, cx);
    EXPECT_EQ(c.cy, cy);
}

void ExpectExtendedWithDialogFont(const Template& t) {
    EXPECT_EQ(t.version, 1);
    EXPECT_EQ(t.signature, 0xFFFF);
    EXPECT_EQ(t.menu, L"");
    EXPECT_EQ(t.cls, L"");
    EXPECT_EQ(t.font, L"MS 셸 대화 상자");
    EXPECT_EQ(t.pointSize, 9);
    EXPECT_EQ(t.weight, 0);
}

// The extended template keeps a control id as a DWORD: -1 is all ones.
constexpr DWORD kNoId = 0xFFFFFFFF;

TEST(Resources, StatusTemplateIsACaptionlessPopupWithItsThreeControls) {
    const Template t = LoadTemplate(IDD_STATUS_DIALOG);
    ExpectExtendedWithDialogFont(t);
    EXPECT_EQ(t.style, 0x96000040u);
    EXPECT_EQ(t.exStyle, 0x00040000u);
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    EXPECT_EQ(t.cx, 420);
    EXPECT_EQ(t.cy, 311);
    EXPECT_EQ(t.title, L"");
    ASSERT_EQ(t.controls.size(), 3u);  // in tab order
    ExpectControl(t.controls[0], IDC_FOCUS_SINK, L"Button", L"", 0x50018000, 10, 296, 6, 6);
    ExpectControl(t.controls[1], IDC_ADAPTER_COMBO, L"ComboBox", L"", 0x50210003, 16, 17, 220, 18);
    ExpectControl(t.controls[2], IDC_CLOSE_BUTTON, L"Button", L"Button1", 0x50010000, 225, 173, 66, 15);
}

TEST(Resources, AboutTemplateCarriesIconVersionNoticeAndOk) {
    const Template t = LoadTemplate(IDD_ABOUT_DIALOG);
    ExpectExtendedWithDialogFont(t);
    EXPECT_EQ(t.style, 0x80C800C8u);
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(t.cx, 235);
    EXPECT_EQ(t.cy, 55);
    EXPECT_EQ(t.title, L"LinkView 정보");
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
    struct Expect {
        UINT id;
        int w, h;
    } expected[] = {{IDB_BACKGROUND, 594, 398},       {IDB_STATE_CONNECTED, 107, 97},
                    {IDB_STATE_NOT_CONNECTED, 107, 97}, {IDB_STATE_NO_ADAPTER, 107, 97},
                    {IDB_CLOSE_IMAGES, 24, 12},       {IDB_MINIMIZE_IMAGES, 24, 12}};
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.id);
        const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(ResourceBytes(e.id, RT_BITMAP));
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->biWidth, e.w);
        EXPECT_EQ(info->biHeight, e.h);
        EXPECT_EQ(info->biBitCount, 24);
        EXPECT_EQ(info->biCompression, static_cast<DWORD>(BI_RGB));
        if (e.w == 24) {
            // Top-left pixel of the normal frame: white, the transparent colour.
            const BYTE* bits = reinterpret_cast<const BYTE*>(info + 1);
            const BYTE* topLeft = bits + (e.h - 1) * ((e.w * 3 + 3) & ~3);
            EXPECT_EQ(topLeft[0] & topLeft[1] & topLeft[2], 255);
        }
    }
}

TEST(Resources, IconGroupHoldsFiveThirtyTwoBitImages) {
#pragma pack(push, 2)
    struct GroupEntry {
        BYTE width, height, colours, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
#pragma pack(pop)
    const BYTE* group = ResourceBytes(IDI_APP_ICON, RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    WORD count;
    std::memcpy(&count, group + 4, 2);
    ASSERT_EQ(count, 5);
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        GroupEntry e;
        std::memcpy(&e, group + 6 + i * sizeof(GroupEntry), sizeof e);
        sizes.push_back(e.width == 0 ? 256 : e.width);
        EXPECT_EQ(e.bitCount, 32);
    }
    EXPECT_EQ(sizes, (std::vector<int>{256, 48, 32, 24, 16}));
}

TEST(Resources, MenuStringManifestAndVersion) {
    wchar_t text[64] = {};
    ASSERT_GT(::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUT_MENU_ITEM, text, 64), 0);
    EXPECT_STREQ(text, L"LinkView 정보(&A)...");

    DWORD size = 0;
    const BYTE* manifest = ResourceBytes(1, RT_MANIFEST, &size);
    ASSERT_NE(manifest, nullptr);
    const std::string xml(reinterpret_cast<const char*>(manifest), size);
    EXPECT_NE(xml.find("level=\"requireAdministrator\" uiAccess=\"false\""), std::string::npos);
    EXPECT_NE(xml.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(xml.find("processorArchitecture=\"x86\""), std::string::npos);

    const BYTE* version = ResourceBytes(1, RT_VERSION, &size);
    ASSERT_NE(version, nullptr);
    std::vector<BYTE> copy(version, version + size);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(::VerQueryValueW(copy.data(), L"\\", reinterpret_cast<void**>(&fixed), &len));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    wchar_t* description = nullptr;
    ASSERT_TRUE(::VerQueryValueW(copy.data(), L"\\StringFileInfo\\041204b0\\FileDescription",
                                 reinterpret_cast<void**>(&description), &len));
    EXPECT_STREQ(description, L"Quorix WiFi 상태보기");
}

}  // namespace
