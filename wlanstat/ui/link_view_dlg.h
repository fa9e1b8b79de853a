#pragma once
// The status dialog: wlanstat's only window. A borderless 594 x 398 face painted
// from bitmaps, the adapter drop-down list, two image buttons in the title band
// and the "닫기" button. It owns the status records and the selection members
// that the status worker fills (StatusMembers) and paints `shownStatus`.
#include "framework/afxwin.h"
#include "wlanstat/info/status_members.h"
#include "wlanstat/res/resource_ids.h"
#include "wlanstat/ui/panel_state.h"
#include "wlanstat/ui/winsock_session.h"

// The worker reaches the dialog through its StatusHost and StatusMembers bases
// only; everything else is the dialog's own (a derived test or benchmark may open
// what it needs).
class CLinkViewDlg : public CDialog, protected wlanstat::StatusHost, protected wlanstat::StatusMembers {
public:
    CLinkViewDlg();
    ~CLinkViewDlg() override;

    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Starts the refresh worker; every show calls it, only the first worker collects.
    virtual void StartWorker();

    // Composes the whole face off-screen and copies it to `target` at (0, 0).
    void DrawFace(CDC* target);
    // The minimised window's face: the icon, centred in the client area.
    void DrawIconFace(CDC* target);
    // Draws labels, heads, status line and values onto a DC that has panelFont selected.
    void PaintInfoPanel(PanelState state, CDC* dc);
    // The painted face for screen readers, from the tables the painting uses.
    void DescribeAccessible(fw::AccessibleFace& face) override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon() { return static_cast<HCURSOR>(appIcon); }
    LRESULT OnStatusUpdated(WPARAM, LPARAM);
    void OnShowWindow(BOOL show, UINT status);
    void OnAdapterSelected();
    BOOL OnEraseBkgnd(CDC*) { return FALSE; }
    void OnLButtonDown(UINT flags, CPoint point);
    void OnCloseButton();
    void OnMouseMove(UINT flags, CPoint point);
    void OnDestroy();

    BEGIN_MSG_MAP(CLinkViewDlg, CDialog)
        ON_WM_SYSCOMMAND()
        ON_WM_PAINT()
        ON_WM_QUERYDRAGICON()
        ON_MESSAGE(wlanstat::WM_STATUS_UPDATED, OnStatusUpdated)
        ON_WM_SHOWWINDOW()
        ON_CONTROL(CBN_SELENDOK, IDC_ADAPTER_COMBO, OnAdapterSelected)
        ON_WM_ERASEBKGND()
        ON_WM_LBUTTONDOWN()
        ON_BN_CLICKED(IDC_CLOSE_BUTTON, OnCloseButton)
        ON_WM_MOUSEMOVE()
        ON_WM_DESTROY()
        ON_WM_GETOBJECT()
    END_MSG_MAP()

protected:
    HICON appIcon = nullptr;  // shared icon from LoadIcon: not destroyed
    CComboBox adapterCombo;
    CFont panelFont;
    CBitmap stateImages[3];  // indexed by PanelState
    std::int32_t closeHover = 0;
    std::int32_t minimizeHover = 0;
    CImageList closeImages;
    CImageList minimizeImages;

private:
    // StatusHost
    HWND__* StatusWindow() const override { return m_hWnd; }
    std::wstring AdapterItemText(int index) override { return adapterCombo.GetLBText(index); }

    WinsockSession winsock;
};
