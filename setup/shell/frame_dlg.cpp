#include "setup/shell/frame_dlg.h"

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

void CNorvikDlg::OnShowWindow(BOOL show, UINT status) {
    CSkinDialog::OnShowWindow(show, status);
    // Created once, on the first show; a later show (after a hide) keeps the pages.
    if (!show || m_intro.m_hWnd != nullptr) return;
    m_intro.Create(IDD_INTRO, this);
    m_intro.ShowWindow(SW_SHOW);
}

void CNorvikDlg::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (IsIconic()) {
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        const int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
        return;
    }
    CBrush fill(RGB(241, 241, 241));
    dc.FillRect(&client, &fill);
}

void CNorvikDlg::OnLButtonDown(UINT, CPoint) { SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, 0); }

void CNorvikDlg::OnMouseMove(UINT, CPoint) { SendMessage(WM_NCMOUSEMOVE, HTCAPTION, 0); }
