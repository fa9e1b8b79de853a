#pragma once
// GDI objects that delete themselves: fonts, bitmaps, brushes.
#include <windows.h>

#include "framework/object.h"

class CDC;

class CGdiObject : public CObject {
public:
    CGdiObject() noexcept = default;
    ~CGdiObject() override { DeleteObject(); }

    HGDIOBJ m_hObject = nullptr;

    BOOL Attach(HGDIOBJ h) noexcept {
        DeleteObject();
        m_hObject = h;
        return h != nullptr;
    }
    BOOL DeleteObject() noexcept;
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONTW* lf) noexcept { return Attach(::CreateFontIndirectW(lf)); }
    operator HFONT() const noexcept { return static_cast<HFONT>(m_hObject); }
};

class CBitmap : public CGdiObject {
public:
    // Loads a bitmap resource of the program (see AfxGetResourceHandle).
    BOOL LoadBitmap(UINT id) noexcept;
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height) noexcept;
    int GetBitmap(BITMAP* bm) const noexcept { return ::GetObjectW(m_hObject, sizeof(BITMAP), bm); }
    operator HBITMAP() const noexcept { return static_cast<HBITMAP>(m_hObject); }
};

class CBrush : public CGdiObject {
public:
    CBrush() noexcept = default;
    explicit CBrush(COLORREF colour) noexcept { CreateSolidBrush(colour); }
    BOOL CreateSolidBrush(COLORREF colour) noexcept { return Attach(::CreateSolidBrush(colour)); }
    operator HBRUSH() const noexcept { return static_cast<HBRUSH>(m_hObject); }
};
