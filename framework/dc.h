#pragma once
// Device contexts. Every CDC puts back the objects that were selected into it
// when it was made before it lets the DC go, so a font or bitmap selected into
// a DC can always be deleted afterwards and nothing leaks on an early return.
// Declare a bitmap or font before the CDC it is selected into, so the DC lets
// go of it first.
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

    // Both return the object that was selected before, for selecting it back.
    HGDIOBJ SelectObject(CGdiObject* obj) noexcept { return SelectObject(obj->m_hObject); }
    HGDIOBJ SelectObject(HGDIOBJ obj) noexcept;

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
    COLORREF GetPixel(int x, int y) const noexcept { return ::GetPixel(m_hDC, x, y); }

protected:
    // Puts back the objects the DC had when it was handed to us.
    void RestoreSelections() noexcept;
    bool m_owned = false;

private:
    HGDIOBJ m_original[4]{};  // bitmap, font, brush, pen
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
