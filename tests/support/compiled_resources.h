#pragma once
// Reads a program's compiled resources as the program itself finds them, for the
// resource tests of both programs: extended dialog templates word for word,
// bitmaps, icon groups, the manifest and the version block.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace testres {

struct Control {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::wstring cls;   // "Button", "Static", "ComboBox" or the class name
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

inline const BYTE* ResourceBytes(UINT id, LPCWSTR type, DWORD* size = nullptr) {
    HRSRC res = ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), type);
    if (res == nullptr) return nullptr;
    if (size) *size = ::SizeofResource(nullptr, res);
    return static_cast<const BYTE*>(::LockResource(::LoadResource(nullptr, res)));
}

inline Template LoadTemplate(UINT id) {
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

// An extended template (DIALOGEX) without menu or window class.
inline void ExpectPlainExtendedTemplate(const Template& t) {
    EXPECT_EQ(t.version, 1);
    EXPECT_EQ(t.signature, 0xFFFF);
    EXPECT_EQ(t.menu, L"");
    EXPECT_EQ(t.cls, L"");
}

// A plain extended template's own styles, size, title and font.
inline void ExpectDialog(const Template& t, DWORD style, DWORD exStyle, short cx, short cy, const wchar_t* title,
                         const wchar_t* font, WORD pointSize) {
    ExpectPlainExtendedTemplate(t);
    EXPECT_EQ(t.style, style);
    EXPECT_EQ(t.exStyle, exStyle);
    EXPECT_EQ(t.cx, cx);
    EXPECT_EQ(t.cy, cy);
    EXPECT_EQ(t.title, title);
    EXPECT_EQ(t.font, font);
    EXPECT_EQ(t.pointSize, pointSize);
}

inline void ExpectControl(const Control& c, DWORD id, const wchar_t* cls, const wchar_t* text, DWORD style,
                          short x, short y, short cx, short cy) {
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

// An uncompressed, bottom-up 24-bit bitmap of the given size. Image strips are
// 24 x 12 and must be white (their transparent colour) at the normal image's
// top-left pixel.
inline void ExpectBitmap(UINT id, int w, int h) {
    SCOPED_TRACE(id);
    const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(ResourceBytes(id, RT_BITMAP));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->biWidth, w);
    EXPECT_EQ(info->biHeight, h);  // positive: bottom-up
    EXPECT_EQ(info->biBitCount, 24);
    EXPECT_EQ(info->biCompression, static_cast<DWORD>(BI_RGB));
    if (w == 24 && h == 12) {
        const BYTE* bits = reinterpret_cast<const BYTE*>(info + 1);
        const BYTE* topLeft = bits + (h - 1) * ((w * 3 + 3) & ~3);
        EXPECT_EQ(topLeft[0], 255);
        EXPECT_EQ(topLeft[1], 255);
        EXPECT_EQ(topLeft[2], 255);
    }
}

// The icon group holds 256, 48, 32, 24 and 16 pixel images, all 32 bits deep.
inline void ExpectProgramIcon(UINT id) {
#pragma pack(push, 2)
    struct GroupEntry {
        BYTE width, height, colours, reserved;
        WORD planes, bitCount;
        DWORD bytes;
        WORD id;
    };
#pragma pack(pop)
    const BYTE* group = ResourceBytes(id, RT_GROUP_ICON);
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
    EXPECT_NE(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)), nullptr);
}

// Administrator rights, common controls 6 for `architecture`, and Windows 7, 8,
// 8.1 and 10 declared as supported.
inline void ExpectManifest(const char* architecture) {
    DWORD size = 0;
    const BYTE* manifest = ResourceBytes(1, RT_MANIFEST, &size);
    ASSERT_NE(manifest, nullptr);
    const std::string xml(reinterpret_cast<const char*>(manifest), size);
    EXPECT_NE(xml.find("level=\"requireAdministrator\" uiAccess=\"false\""), std::string::npos);
    EXPECT_NE(xml.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(xml.find("processorArchitecture=\"" + std::string(architecture) + "\""), std::string::npos);
    for (const char* os : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                           "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
        EXPECT_NE(xml.find(os), std::string::npos) << os;
}

// File and product version 1.0.0.1 with the given description.
inline void ExpectVersion(const wchar_t* description) {
    DWORD size = 0;
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
    wchar_t* text = nullptr;
    ASSERT_TRUE(::VerQueryValueW(copy.data(), L"\\StringFileInfo\\041204b0\\FileDescription",
                                 reinterpret_cast<void**>(&text), &len));
    EXPECT_STREQ(text, description);
}

}  // namespace testres
