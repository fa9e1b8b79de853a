// What a screen reader finds on the status dialog: the panel as it is painted,
// the state picture, the two image buttons and the real controls.
#include "wlanstat/ui/hit_rects.h"
#include "look/skin.h"
#include "wlanstat/ui/link_view_dlg.h"
#include "wlanstat/ui/panel_reading.h"

namespace {

// Where a painted text lies: its box, or what it covers from its top-left corner.
RECT PlaceOf(const PanelText& t, CDC& dc) {
    if (t.fitted) return fw::ToRECT(t.box);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, t.text.c_str(), static_cast<int>(t.text.size()), &extent);
    return RECT{t.x, t.y, t.x + extent.cx, t.y + extent.cy};
}

RECT PlaceOf(const PanelReadingItem& item, CDC& dc) {
    RECT place = PlaceOf(item.pieces.front(), dc);
    for (const PanelText& piece : item.pieces) {
        const RECT r = PlaceOf(piece, dc);
        ::UnionRect(&place, &place, &r);
    }
    return place;
}

}  // namespace

void CLinkViewDlg::DescribeAccessible(fw::AccessibleFace& face) {
    face.role = ROLE_SYSTEM_DIALOG;
    face.name = GetWindowText();

    const PanelState state = PanelStateOf(shownStatus);
    CClientDC dc(this);
    const fw::ScopedSelect measured(dc, panelFont);  // measured as painted
    for (const PanelReadingItem& item : PanelReading(PanelTexts(state, shownStatus))) {
        const LONG role = item.group ? ROLE_SYSTEM_GROUPING : ROLE_SYSTEM_STATICTEXT;
        face.items.push_back(fw::AccessibleItem::Text(role, item.name, PlaceOf(item, dc)));
    }
    face.items.push_back(fw::AccessibleItem::Text(ROLE_SYSTEM_GRAPHIC, StatusLineOf(state), fw::ToRECT(kStatePictureRect)));
    look::DescribeImageButtons(face, kTitleBand, minimizeHover, closeHover);
    face.items.push_back(fw::AccessibleItem::Control(adapterCombo.m_hWnd));
    face.items.push_back(fw::AccessibleItem::Control(::GetDlgItem(m_hWnd, IDC_CLOSE_BUTTON)));
}
