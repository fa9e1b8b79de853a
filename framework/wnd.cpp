#include "framework/wnd.h"

#include "framework/centering.h"
#include "framework/gdi.h"

namespace {

// The window property that leads from a window to its CWnd object.
constexpr wchar_t kObjectProp[] = L"Quorix.CWnd";

}  // namespace

CWnd::~CWnd() {
    CutAccessibleLink();
    // A bound window must not call into a dead object: give it its own procedure back.
    if (m_hWnd != nullptr && m_superProc != nullptr && ::IsWindow(m_hWnd)) {
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
        ::RemovePropW(m_hWnd, kObjectProp);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) noexcept {
    if (hwnd == nullptr) return nullptr;
    return static_cast<CWnd*>(::GetPropW(hwnd, kObjectProp));
}

void CWnd::BindWindow(HWND hwnd) {
    m_hWnd = hwnd;
    ::SetPropW(hwnd, kObjectProp, this);
    m_superProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StdWndProc)));
}

BOOL CWnd::SubclassWindow(HWND hwnd) {
    if (hwnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hwnd) != nullptr) return FALSE;
    BindWindow(hwnd);
    return m_superProc != nullptr;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

CWnd* CWnd::GetDlgItem(int id) {
    HWND child = ::GetDlgItem(m_hWnd, id);
    if (child == nullptr) return nullptr;
    if (CWnd* bound = FromHandlePermanent(child)) return bound;
    auto& wrapper = m_itemWrappers[id];
    if (!wrapper) wrapper = std::make_unique<CWnd>();
    wrapper->m_hWnd = child;
    return wrapper.get();
}

CWnd* CWnd::SetFocus() noexcept {
    return FromHandlePermanent(::SetFocus(m_hWnd));
}

void CWnd::CenterWindow() noexcept {
    RECT window, work;
    ::GetWindowRect(m_hWnd, &window);
    HMONITOR monitor = ::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoW(monitor, &info)) return;
    work = info.rcWork;
    RECT area = work;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) ::GetWindowRect(owner, &area);
    fw::Origin o = fw::CentredOrigin(fw::RectOf(window), fw::RectOf(area), fw::RectOf(work));
    ::SetWindowPos(m_hWnd, nullptr, o.x, o.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::wstring CWnd::GetWindowText() const {
    int n = ::GetWindowTextLengthW(m_hWnd);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = ::GetWindowTextW(m_hWnd, text.data(), n + 1);
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return text;
}

void CWnd::SetFont(CFont* font, BOOL redraw) noexcept {
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font->m_hObject), redraw);
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::Default() {
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

bool CWnd::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (OnMessage(message, wParam, lParam, result)) return result;
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_superProc != nullptr) return ::CallWindowProcW(m_superProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StdWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (wnd == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);

    // Handlers may send messages to their own window: keep the outer message for Default().
    MSG outer = wnd->m_current;
    wnd->m_current = MSG{hwnd, message, wParam, lParam, 0, {}};
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    wnd->m_current = outer;

    if (message == WM_NCDESTROY) {
        wnd->CutAccessibleLink();
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(wnd->m_superProc));
        ::RemovePropW(hwnd, kObjectProp);
        wnd->m_superProc = nullptr;
        wnd->m_hWnd = nullptr;
        wnd->m_itemWrappers.clear();
        wnd->PostNcDestroy();
    }
    return result;
}
