#pragma once
// Dialogs built from resource templates.
//
// Modal: DoModal creates the window and runs its own message loop until the
// window is destroyed (by EndDialog, DestroyWindow or the destruction of its
// owner). Each queued message is first offered to PreTranslateMessage of the
// target window's object and then of each parent's object up to the dialog;
// CDialog::PreTranslateMessage hands keyboard and mouse input to the dialog
// manager (IsDialogMessage), so a dialog that overrides it sees keys first.
//
// Modeless: Create makes the window (usually a child page) and returns.
//
// OnInitDialog runs DoDataExchange (DDX_Control binds controls to members).
// IDOK and IDCANCEL go to OnOK and OnCancel, which end the dialog.
#include "framework/wnd.h"

class CDialog;

class CDataExchange {
public:
    explicit CDataExchange(CDialog* dlg) noexcept : m_pDlgWnd(dlg) {}
    CDialog* m_pDlgWnd;
};

// Binds control `id` of the dialog to `control` (once; later calls do nothing).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) noexcept
        : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    // Runs the dialog modally; returns the EndDialog result, IDCANCEL when the
    // window was destroyed otherwise, or -1 when it could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog as a modeless window (a child when the template says so).
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    BOOL UpdateData(BOOL save = TRUE);
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PostNcDestroy() override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL HandleInitDialog(HWND hwnd);

    bool m_modal = false;
    bool m_endModal = false;
    INT_PTR m_modalResult = IDCANCEL;
};
