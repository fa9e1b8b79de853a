#include "wlanstat/ui/link_view_dlg.h"

#include "look/skin.h"
#include "wlanstat/info/status_worker.h"
#include "wlanstat/ui/hit_rects.h"

CLinkViewDlg::CLinkViewDlg()
    : CDialog(IDD_STATUS_DIALOG), StatusMembers(static_cast<wlanstat::StatusHost&>(*this)) {
    workerStarted = 0;
    appIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_APP_ICON));
}

// A window that outlives the modal run is destroyed while every member is still
// here, so OnDestroy stops the worker on a whole object.
CLinkViewDlg::~CLinkViewDlg() {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) DestroyWindow();
}

void CLinkViewDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_ADAPTER_COMBO, adapterCombo);
}

BOOL CLinkViewDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (HMENU sysMenu = GetSystemMenu(FALSE); sysMenu != nullptr) {
        wchar_t item[64] = {};
        if (::LoadStringW(AfxGetResourceHandle(), IDS_ABOUT_MENU_ITEM, item, 64) > 0) {
            ::AppendMenuW(sysMenu, MF_SEPARATOR, 0, nullptr);
            ::AppendMenuW(sysMenu, MF_STRING, ID_SYSCMD_ABOUT, item);
        }
    }

    SetIcon(appIcon, TRUE);
    SetIcon(appIcon, FALSE);
    SetWindowText(L"Quorix WiFi 상태보기");

    look::MakeGulimFont(panelFont, 12);

    stateImages[PANEL_CONNECTED].LoadBitmap(IDB_STATE_CONNECTED);
    stateImages[PANEL_NOT_CONNECTED].LoadBitmap(IDB_STATE_NOT_CONNECTED);
    stateImages[PANEL_NO_ADAPTER].LoadBitmap(IDB_STATE_NO_ADAPTER);

    minimizeHover = 0;
    closeHover = 0;
    look::MakeButtonImages(minimizeImages, IDB_MINIMIZE_IMAGES);
    look::MakeButtonImages(closeImages, IDB_CLOSE_IMAGES);

    winsock.Start();
    workerStarted = 0;

    adapterCombo.MoveWindow(14, 41, 400, 22);
    adapterCombo.SetFont(&panelFont, TRUE);
    if (CWnd* close = GetDlgItem(IDC_CLOSE_BUTTON); close != nullptr) {
        close->MoveWindow(512, 367, 69, 23);
        close->SetFont(&panelFont, TRUE);
        close->SetWindowText(L"닫기");
    }

    // No frame, so this is the client size too; HWND_TOP also raises the window.
    SetWindowPos(nullptr, 0, 0, kFaceWidth, kFaceHeight, SWP_NOMOVE);

    // One row below the face: never seen, it only takes the focus.
    if (CWnd* sink = GetDlgItem(IDC_FOCUS_SINK); sink != nullptr) sink->MoveWindow(2, 399, 5, 5);

    {
        std::lock_guard<std::mutex> lock(statusLock);
        selectedIndex = 0;
        selectedGuid = wlanstat::kNullGuid;
        pendingGuid = wlanstat::kNullGuid;
    }
    return TRUE;
}

void CLinkViewDlg::OnShowWindow(BOOL show, UINT) {
    Default();
    if (show) StartWorker();
}

void CLinkViewDlg::StartWorker() { wlanstat::StartStatusWorker(*this); }

void CLinkViewDlg::OnDestroy() {
    // First: after this no update arrives and the worker leaves our members alone.
    wlanstat::StopStatusWorker(*this);
    Default();
}
