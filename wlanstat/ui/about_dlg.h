#pragma once
// The About box, reached from the status dialog's system menu.
#include "framework/afxwin.h"
#include "wlanstat/res/resource_ids.h"

class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(CWnd* parent = nullptr) : CDialog(IDD_ABOUT_DIALOG, parent) {}
};
