// setup's compiled resources as the program finds them: dialog templates word
// for word, bitmaps, the icon group, the string, the manifest and the version.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "setup/res/resource_ids.h"

namespace {

struct Control {
    DWORD style;
    short x, y, cx, cy;
    DWORD id;
    std::wstring cls;  // "Button", "Static" or the class name
    std::wstring text;
};

struct Template {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring title, font;
    WORD pointSize = 0;
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
    // A string or an ordinal (0xFFFF, n).
    std::wstring StrOrOrd() {
        WORD first;
        std::memcpy(&first, p_, sizeof first);
        if (first == 0xFFFF) {
            p_ += 2;
            WORD ord = Get<WORD>();
            switch (ord) {
            case 0x80: return L"Button";
            case 0x82: return L"Static";
            default: return L"#" + std::to_wstring(ord);
            }
        }
        return Str();
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
    EXPECT_EQ(r.Get<WORD>(), 1);       // extended template
    EXPECT_EQ(r.Get<WORD>(), 0xFFFF);
    r.Get<DWORD>();                    // help id
    t.exStyle = r.Get<DWORD>();
    t.style = r.Get<DWORD>();
    const WORD count = r.Get<WORD>();
    t.x = r.Get<short>();
    t.y = r.Get<short>();
    t.cx = r.Get<short>();
    t.cy = r.Get<short>();
    EXPECT_EQ(r.StrOrOrd(), L"");      // no menu
    EXPECT_EQ(r.StrOrOrd(), L"");      // the dialog class
    t.title = r.Str();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.Get<WORD>();
        r.Get<WORD>();
        r.Get<BYTE>();
        r.Get<BYTE>();
        t.font = r.Str();
    }
    for (WORD i = 0; i < count; ++i) {
        r.AlignDword();
        Control c{};
        r.Get<DWORD>();
        r.Get<DWORD>();
        c.style = r.Get<DWORD>();
        c.x = r.Get<short>();
        c.y = r.Get<short>();
        c.cx = r.Get<short>();
        c.cy = r.Get<short>();
        c.id = r.Get<DWORD>();
        c.cls = r.StrOrOrd();
        c.text = r.StrOrOrd();
        const WORD extra = r.Get<WORD>();
        for (WORD k = 0; k < extra; ++k) r.Get<BYTE>();
        t.controls.push_back(c);
    }
    return t;
}

void ExpectControl(const Control& c, DWORD id, const wchar_t* cls, const wchar_t* text, DWORD style, short x,
                   short y, short cx, short cy) {
    SCOPED_TRACE(id);
    EXPECT_EQ(c.id, id);
    EXPECT_EQ(_wcsicmp(c.cls.c_str(), cls), 0) << c.cls;  // class names match in any case
    EXPECT_EQ(c.text, text);
    EXPECT_EQ(c.style, style);
    EXPECT_EQ(c.x, x);
    EXPECT_EQ(c.y, y);
    EXPECT_EQ(c.cx, cx);
    EXPECT_EQ(c.cy, cy);
}

void ExpectPage(const Template& t, DWORD style) {
    EXPECT_EQ(t.style, style);
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(t.cx, 347);
    EXPECT_EQ(t.cy, 210);
    EXPECT_EQ(t.title, L"");
    EXPECT_EQ(t.font, L"MS Shell Dlg");
    EXPECT_EQ(t.pointSize, 8);
}

TEST(Resources, FrameTemplateIsACaptionlessPopupWithATaskbarButton) {
    Template t = LoadTemplate(IDD_FRAME);
    EXPECT_EQ(t.style, 0x90080040u);
    EXPECT_EQ(t.exStyle, 0x00040000u);
    EXPECT_EQ(t.x, 0);
    EXPECT_EQ(t.y, 0);
    EXPECT_EQ(t.cx, 347);
    EXPECT_EQ(t.cy, 210);
    EXPECT_EQ(t.title, L"");
    EXPECT_EQ(t.font, L"Microsoft Sans Serif");
    EXPECT_EQ(t.pointSize, 8);
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
    struct Expect {
        UINT id;
        int w, h;
    } expected[] = {{211, 24, 12}, {212, 24, 12}, {241, 527, 347}, {242, 527, 347}, {243, 527, 347}, {244, 527, 347}};
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.id);
        const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(ResourceBytes(e.id, RT_BITMAP));
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->biWidth, e.w);
        EXPECT_EQ(info->biHeight, e.h);  // positive: bottom-up
        EXPECT_EQ(info->biBitCount, 24);
        EXPECT_EQ(info->biCompression, static_cast<DWORD>(BI_RGB));
        if (e.w == 24) {
            // Corner pixel (0,0) is the top-left of the normal image: transparent white.
            const BYTE* bits = reinterpret_cast<const BYTE*>(info + 1);
            const int stride = (e.w * 3 + 3) & ~3;
            const BYTE* topLeft = bits + (e.h - 1) * stride;
            EXPECT_EQ(topLeft[0], 255);
            EXPECT_EQ(topLeft[1], 255);
            EXPECT_EQ(topLeft[2], 255);
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
    EXPECT_NE(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP_ICON)), nullptr);
}

TEST(Resources, StringGifManifestAndVersion) {
    wchar_t text[128] = {};
    ASSERT_GT(::LoadStringW(::GetModuleHandleW(nullptr), 103, text, 128), 0);
    EXPECT_STREQ(text, L"Windows 소켓을 초기화하지 못했습니다.");

    DWORD size = 0;
    const BYTE* gif = ResourceBytes(IDR_INSTALL_GIF, L"GIF", &size);
    ASSERT_NE(gif, nullptr);
    EXPECT_EQ(std::memcmp(gif, "GIF89a", 6), 0);

    const BYTE* manifest = ResourceBytes(1, RT_MANIFEST, &size);
    ASSERT_NE(manifest, nullptr);
    const std::string xml(reinterpret_cast<const char*>(manifest), size);
    EXPECT_NE(xml.find("level=\"requireAdministrator\" uiAccess=\"false\""), std::string::npos);
    EXPECT_NE(xml.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(xml.find("processorArchitecture=\"amd64\""), std::string::npos);
    for (const char* os : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                           "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
        EXPECT_NE(xml.find(os), std::string::npos) << os;

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
    EXPECT_STREQ(description, L"Quorix LanCard Installer");
}

}  // namespace
