#include "setup/shell/frame_dlg.h"

#include "look/skin.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/skin_layout.h"

CNorvikDlg::CNorvikDlg(CWnd* parent)
    : CSkinDialog(IDD_FRAME, parent), m_hIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_APP_ICON))) {}

BOOL CNorvikDlg::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowText(L"Quorix LanCard Installer");
    SetWindowPos(nullptr, 0, 0, skin::kPageWidth, skin::kPageHeight, SWP_NOMOVE);
    return TRUE;
}

void CNorvikDlg::OnShowWindow(BOOL show, UINT) {
    Default();
    // Created once, on the first show; a later show (after a hide) keeps the pages.
    if (!show || m_intro.m_hWnd != nullptr) return;
    m_intro.Create(IDD_INTRO, this);
    m_intro.ShowWindow(SW_SHOW);
}

void CNorvikDlg::OnPaint() {
    CPaintDC dc(this);
    if (IsIconic()) {
        look::DrawMinimisedIcon(this, &dc, m_hIcon);
        return;
    }
    CRect client;
    GetClientRect(&client);
    CBrush fill(RGB(241, 241, 241));
    dc.FillRect(&client, &fill);
}

void CNorvikDlg::OnLButtonDown(UINT, CPoint) { look::DragByCaption(this); }

void CNorvikDlg::OnMouseMove(UINT, CPoint) { SendMessage(WM_NCMOUSEMOVE, HTCAPTION, 0); }
