#pragma once
// CWnd: a C++ object bound to one window. Messages reach the object's message
// table (message_map.h); whatever the table leaves goes to the window's own
// procedure (`Default`). A CWnd either subclasses an existing window
// (`SubclassWindow`, `SubclassDlgItem`), is a dialog (CDialog), or only wraps a
// handle it does not own (`m_hWnd` set directly).
#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "framework/dc.h"
#include "framework/message_map.h"
#include "framework/object.h"
#include "framework/types.h"

class CFont;

namespace fw {
struct AccessibleFace;
struct AccessibleLink;
}  // namespace fw

class CWnd : public CObject {
public:
    CWnd() noexcept = default;
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const noexcept { return m_hWnd; }
    operator HWND() const noexcept { return m_hWnd; }

    // The object bound to `hwnd` by subclassing or dialog creation, or nullptr.
    static CWnd* FromHandlePermanent(HWND hwnd) noexcept;

    // Routes the window's messages through this object until the window dies.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    // The child control `id` as a CWnd (the bound object if there is one, else a
    // wrapper that lives as long as this object); nullptr when there is no such child.
    CWnd* GetDlgItem(int id);

    BOOL ShowWindow(int cmd) noexcept { return ::ShowWindow(m_hWnd, cmd); }
    BOOL EnableWindow(BOOL enable = TRUE) noexcept { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const noexcept { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const noexcept { return ::IsIconic(m_hWnd); }
    CWnd* SetFocus() noexcept;
    void MoveWindow(int x, int y, int w, int h, BOOL repaint = TRUE) noexcept {
        ::MoveWindow(m_hWnd, x, y, w, h, repaint);
    }
    BOOL SetWindowPos(const CWnd* after, int x, int y, int cx, int cy, UINT flags) noexcept {
        return ::SetWindowPos(m_hWnd, after ? after->m_hWnd : nullptr, x, y, cx, cy, flags);
    }
    void CenterWindow() noexcept;
    void GetClientRect(LPRECT r) const noexcept { ::GetClientRect(m_hWnd, r); }
    void GetWindowRect(LPRECT r) const noexcept { ::GetWindowRect(m_hWnd, r); }
    void Invalidate(BOOL erase = TRUE) noexcept { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(LPCRECT r, BOOL erase = TRUE) noexcept { ::InvalidateRect(m_hWnd, r, erase); }
    void SetWindowText(const wchar_t* text) noexcept { ::SetWindowTextW(m_hWnd, text); }
    std::wstring GetWindowText() const;
    void SetFont(CFont* font, BOOL redraw = TRUE) noexcept;
    void SetIcon(HICON icon, BOOL big) noexcept {
        ::SendMessageW(m_hWnd, WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    HMENU GetSystemMenu(BOOL revert) const noexcept { return ::GetSystemMenu(m_hWnd, revert); }
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const noexcept {
        return ::SendMessageW(m_hWnd, msg, wp, lp);
    }
    BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const noexcept {
        return ::PostMessageW(m_hWnd, msg, wp, lp);
    }
    virtual BOOL DestroyWindow();

    // Offered each queued message before it is dispatched (see CDialog::DoModal).
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Hands the message being handled to the window's own procedure.
    LRESULT Default();

    // What a painted window shows, for assistive technology (accessible.h); asked
    // at every call of its accessible object, on the window's thread.
    virtual void DescribeAccessible(fw::AccessibleFace& face);

protected:
    // Message-table entry point; the tables of message_map.h override it.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone (WM_NCDESTROY).
    virtual void PostNcDestroy() {}

    // No handler stands behind the table's fixed names (OnPaint, OnMouseMove...):
    // an entry whose class does not declare its handler fails to build instead of
    // falling silently to the default. A handler that wants the default as well
    // calls Default().
    //
    // The client area's accessible object, built on DescribeAccessible; any
    // other object id goes to Default() (ON_WM_GETOBJECT).
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);

    // Installs this object as the procedure of `hwnd` (used by subclassing and dialogs).
    void BindWindow(HWND hwnd);
    void SetCurrentMessage(const MSG& msg) noexcept { m_current = msg; }
    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Leaves the accessible objects handed out answering "not connected".
    void CutAccessibleLink() noexcept;

    WNDPROC m_superProc = nullptr;
    MSG m_current{};
    std::map<int, std::unique_ptr<CWnd>> m_itemWrappers;
    std::shared_ptr<fw::AccessibleLink> m_accessible;
};
