#pragma once
// Wrappers of the standard controls the programs use. Bind them to a dialog's
// controls with DDX_Control.
#include <string>

#include "framework/wnd.h"

class CStatic : public CWnd {};

class CComboBox : public CWnd {
public:
    int AddString(const wchar_t* text) noexcept {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    void ResetContent() noexcept { SendMessage(CB_RESETCONTENT); }
    int GetCount() const noexcept { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const noexcept { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) noexcept { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    // The text of item `index`; empty when there is no such item.
    std::wstring GetLBText(int index) const;
};
