// What the status dialog does for the user and for its refresh worker.
#include <vector>

#include "wlanstat/ui/about_dlg.h"
#include "wlanstat/ui/adapter_combo_rule.h"
#include "wlanstat/ui/hit_rects.h"
#include "wlanstat/ui/link_view_dlg.h"

namespace {

RECT ToRect(const PixelRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace

// Runs while the worker waits inside its SendMessage, so liveStatus and
// interfaceList hold still without the lock.
LRESULT CLinkViewDlg::OnStatusUpdated(WPARAM, LPARAM) {
    // Anyone can send this number to the window; only the worker's hand-off
    // guarantees that the records are not being written meanwhile.
    if (!workerLink->Sending()) return 0;

    std::vector<std::wstring> descriptions;
    descriptions.reserve(interfaceList.size());
    for (const auto& entry : interfaceList) descriptions.push_back(entry.strInterfaceDescription);

    const auto itemText = [this](int i) { return adapterCombo.GetLBText(i); };
    switch (DecideComboRefresh(liveStatus.interfaceCount, adapterCombo.GetCount(), descriptions, itemText)) {
    case ComboRefresh::Clear:
        adapterCombo.ResetContent();
        break;
    case ComboRefresh::Refill:
        adapterCombo.ResetContent();
        for (const auto& d : descriptions) adapterCombo.AddString(d.c_str());
        adapterCombo.SetCurSel(selectedIndex);
        break;
    case ComboRefresh::Keep:
        break;
    }

    const bool enable = ComboEnabledFor(liveStatus.interfaceCount);
    if ((adapterCombo.IsWindowEnabled() != FALSE) != enable) adapterCombo.EnableWindow(enable);

    // Screen readers hear of the values that changed, and only of those.
    fw::ChangeFace(*this, [this] { shownStatus = liveStatus; });
    Invalidate(TRUE);
    return 0;
}

// The panel changes only after the worker's next cycle has applied the choice.
void CLinkViewDlg::OnAdapterSelected() {
    SyncSelection(0, adapterCombo.GetCurSel());
    if (CWnd* sink = GetDlgItem(IDC_FOCUS_SINK); sink != nullptr) sink->SetFocus();
}

void CLinkViewDlg::OnLButtonDown(UINT flags, CPoint point) {
    switch (PressActionAt(point.x, point.y)) {
    case PressAction::Minimize:
        ShowWindow(SW_MINIMIZE);
        minimizeHover = 0;
        CDialog::OnLButtonDown(flags, point);
        break;
    case PressAction::Close:
        closeHover = 0;
        DestroyWindow();
        break;
    case PressAction::Drag:
        // The system moves the window as if its caption had been pressed.
        SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, 0);
        CDialog::OnLButtonDown(flags, point);
        break;
    case PressAction::None:
        CDialog::OnLButtonDown(flags, point);
        break;
    }
}

void CLinkViewDlg::OnMouseMove(UINT flags, CPoint point) {
    minimizeHover = minimizeRect.Contains(point.x, point.y) ? 1 : 0;
    const RECT minimize = ToRect(minimizeRect);
    InvalidateRect(&minimize, TRUE);
    closeHover = closeRect.Contains(point.x, point.y) ? 1 : 0;
    const RECT close = ToRect(closeRect);
    InvalidateRect(&close, TRUE);
    CDialog::OnMouseMove(flags, point);
}

void CLinkViewDlg::OnCloseButton() { DestroyWindow(); }

void CLinkViewDlg::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == ID_SYSCMD_ABOUT) {
        CAboutDlg about(this);
        about.DoModal();
        return;
    }
    CDialog::OnSysCommand(id, lParam);
}
