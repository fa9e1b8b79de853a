#pragma once
// The base of the installer's frame and pages: Enter and Esc never reach the
// dialog manager, so they press no default or cancel button anywhere.
#include "framework/afxwin.h"
#include "setup/shell/key_filter.h"

class CSkinDialog : public CDialog {
public:
    using CDialog::CDialog;

    BOOL PreTranslateMessage(MSG* msg) override {
        if (skin::IsSwallowedKey(msg->message, msg->wParam)) return TRUE;
        return CDialog::PreTranslateMessage(msg);
    }
};
