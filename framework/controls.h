#pragma once
// Wrappers of the standard controls the programs use. Bind them to a dialog's
// controls with DDX_Control.
#include <string>

#include "framework/wnd.h"

class CStatic : public CWnd {};

class CButton : public CWnd {
public:
    int GetCheck() const noexcept { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) noexcept { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
};

class CComboBox : public CWnd {
public:
    int AddString(const wchar_t* text) noexcept {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    int InsertString(int index, const wchar_t* text) noexcept {
        return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) noexcept { return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index))); }
    void ResetContent() noexcept { SendMessage(CB_RESETCONTENT); }
    int GetCount() const noexcept { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const noexcept { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) noexcept { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    int FindStringExact(int start, const wchar_t* text) const noexcept {
        return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)));
    }
    // The text of item `index`; empty when there is no such item.
    std::wstring GetLBText(int index) const;
    BOOL GetDroppedState() const noexcept { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
    int SetItemData(int index, DWORD_PTR data) noexcept {
        return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
    }
    DWORD_PTR GetItemData(int index) const noexcept {
        return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
    }
};
