#include "framework/dialog.h"

#include "framework/app.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

namespace {

// Offers `msg` to the objects of its window and that window's parents, up to `stop`.
bool WalkPreTranslate(HWND stop, MSG* msg) {
    for (HWND h = msg->hwnd; h != nullptr; h = ::GetParent(h)) {
        if (CWnd* wnd = CWnd::FromHandlePermanent(h); wnd != nullptr && wnd->PreTranslateMessage(msg)) return true;
        if (h == stop) break;
    }
    return false;
}

}  // namespace

INT_PTR CDialog::DoModal() {
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (owner == nullptr) {
        CWnd* main = AfxGetApp() ? AfxGetApp()->GetMainWnd() : nullptr;
        if (main != nullptr && main != this && ::IsWindow(main->m_hWnd)) owner = main->m_hWnd;
    }
    m_modal = true;
    m_endModal = false;
    m_modalResult = IDCANCEL;
    HWND hwnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), owner,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (hwnd == nullptr) {
        m_modal = false;
        return -1;
    }
    const bool disableOwner = owner != nullptr && ::IsWindowEnabled(owner);
    if (disableOwner) ::EnableWindow(owner, FALSE);
    if (m_hWnd != nullptr && !::IsWindowVisible(m_hWnd)) ::ShowWindow(m_hWnd, SW_SHOWNORMAL);

    while (m_hWnd != nullptr && !m_endModal) {
        MSG msg;
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit for the outer loop
            break;
        }
        if (!WalkPreTranslate(m_hWnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    // Enable the owner before the dialog goes, so activation returns to it.
    if (disableOwner) ::EnableWindow(owner, TRUE);
    if (m_hWnd != nullptr) {
        if (owner != nullptr && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
        ::DestroyWindow(m_hWnd);
    }
    m_modal = false;
    return m_modalResult;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_nIDTemplate = templateId;
    if (parent != nullptr) m_pParentWnd = parent;
    HWND hwnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(templateId),
                                     parent ? parent->m_hWnd : nullptr, &CDialog::DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr;
}

void CDialog::EndDialog(int result) {
    m_modalResult = result;
    if (m_modal)
        m_endModal = true;
    else
        DestroyWindow();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL) {
    // Controls are only ever bound, never saved from or loaded.
    CDataExchange dx(this);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    const bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
                       (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
    if (!input || m_hWnd == nullptr) return FALSE;
    return ::IsDialogMessageW(m_hWnd, msg);
}

bool CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && lParam != 0 && HIWORD(wParam) != BN_CLICKED) return false;
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        OnOK();
        result = 0;
        return true;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        OnCancel();
        result = 0;
        return true;
    }
    return CWnd::OnMessage(message, wParam, lParam, result);
}

void CDialog::PostNcDestroy() {
    if (m_modal) m_endModal = true;
}

BOOL CDialog::HandleInitDialog(HWND hwnd) {
    BindWindow(hwnd);
    SetCurrentMessage(MSG{hwnd, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(this), 0, {}});
    RECT before;
    ::GetWindowRect(hwnd, &before);
    BOOL focus = OnInitDialog();
    // Like the framework we stand in for: a top-level dialog that its
    // initialisation did not move is centred.
    RECT after;
    if (m_hWnd != nullptr && ::GetWindowRect(hwnd, &after)) {
        const LONG_PTR style = ::GetWindowLongPtrW(hwnd, GWL_STYLE);
        const bool placed = (style & (WS_CHILD | DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) != 0;
        if (!placed && after.left == before.left && after.top == before.top) CenterWindow();
    }
    return focus;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
    // Only WM_INITDIALOG comes here to be handled: it binds the object, and from
    // then on the object's procedure sees every message first and this procedure
    // answers FALSE so the dialog manager does its default work.
    if (message != WM_INITDIALOG) return FALSE;
    auto* dlg = reinterpret_cast<CDialog*>(lParam);
    return dlg->HandleInitDialog(hwnd);
}
