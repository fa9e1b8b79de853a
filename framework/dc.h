#pragma once
// Device contexts, and the one way to select into them: fw::ScopedSelect (at
// the end), which puts back what it replaced when its scope ends. It is made
// from the DC and the object, so it ends before either, whatever order they
// were declared in.
#include <windows.h>

#include <string_view>

#include "framework/gdi.h"

class CWnd;

class CDC : public CObject {
public:
    CDC() noexcept = default;
    // Wraps a DC owned by someone else (e.g. the wParam of WM_ERASEBKGND).
    explicit CDC(HDC hdc) noexcept : m_hDC(hdc) {}
    ~CDC() override;

    HDC m_hDC = nullptr;

    HDC GetSafeHdc() const noexcept { return m_hDC; }
    operator HDC() const noexcept { return m_hDC; }

    // A memory DC compatible with `dc` (or the screen when null), deleted with this object.
    BOOL CreateCompatibleDC(CDC* dc) noexcept;
    BOOL DeleteDC() noexcept;

    // MFC's own: selects for the rest of the DC's life and keeps no record. A
    // memory DC lets go of it when deleted.
    HGDIOBJ SelectObject(CGdiObject* obj) noexcept {
        return m_hDC != nullptr && obj->m_hObject != nullptr ? ::SelectObject(m_hDC, obj->m_hObject) : nullptr;
    }

    BOOL BitBlt(int x, int y, int w, int h, CDC* src, int sx, int sy, DWORD rop) noexcept {
        return ::BitBlt(m_hDC, x, y, w, h, src->m_hDC, sx, sy, rop);
    }
    BOOL TextOut(int x, int y, std::wstring_view text) noexcept {
        return ::TextOutW(m_hDC, x, y, text.data(), static_cast<int>(text.size()));
    }
    int SetBkMode(int mode) noexcept { return ::SetBkMode(m_hDC, mode); }
    COLORREF SetTextColor(COLORREF c) noexcept { return ::SetTextColor(m_hDC, c); }
    void FillRect(LPCRECT r, CBrush* brush) noexcept { ::FillRect(m_hDC, r, *brush); }
    BOOL DrawIcon(int x, int y, HICON icon) noexcept { return ::DrawIcon(m_hDC, x, y, icon); }

protected:
    bool m_owned = false;
};

// The DC of one WM_PAINT: BeginPaint on construction, EndPaint on destruction.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd) noexcept;
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// The client-area DC of a window outside WM_PAINT (of the screen for nullptr).
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd) noexcept;
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

namespace fw {

// Selects `object` into `dc` until the scope ends, then puts back what it
// replaced. Either one missing selects nothing.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), replaced_(dc != nullptr && object != nullptr ? ::SelectObject(dc, object) : nullptr) {}
    ~ScopedSelect() {
        if (replaced_ != nullptr && replaced_ != HGDI_ERROR) ::SelectObject(dc_, replaced_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ replaced_;
};

}  // namespace fw
