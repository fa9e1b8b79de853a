// What the status dialog does for the user and for its refresh worker.
#include <vector>

#include "wlanstat/ui/about_dlg.h"
#include "look/skin.h"
#include "wlanstat/ui/adapter_combo_rule.h"
#include "wlanstat/ui/hit_rects.h"
#include "wlanstat/ui/link_view_dlg.h"

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

void CLinkViewDlg::OnLButtonDown(UINT, CPoint point) {
    switch (PressActionAt(point.x, point.y)) {
    case PressAction::Minimise:
        ShowWindow(SW_MINIMIZE);
        minimizeHover = 0;
        Default();
        break;
    case PressAction::Close:
        closeHover = 0;
        DestroyWindow();
        break;
    case PressAction::Drag:
        look::DragByCaption(this);
        Default();
        break;
    case PressAction::None:
        Default();
        break;
    }
}

void CLinkViewDlg::OnMouseMove(UINT, CPoint point) {
    look::TrackHover(this, kTitleBand, point, minimizeHover, closeHover, TRUE);
    Default();
}

void CLinkViewDlg::OnCloseButton() { DestroyWindow(); }

void CLinkViewDlg::OnSysCommand(UINT id, LPARAM) {
    if ((id & 0xFFF0) == ID_SYSCMD_ABOUT) {
        CAboutDlg about(this);
        about.DoModal();
        return;
    }
    Default();
}
