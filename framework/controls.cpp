#include "framework/controls.h"

std::wstring CComboBox::GetLBText(int index) const {
    LRESULT n = SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (n == CB_ERR || n < 0) return {};
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    LRESULT got = SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}
