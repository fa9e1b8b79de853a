// What a screen reader finds on each page: the painted title and body lines,
// the two image buttons, the installing page's animation and the real buttons.
#include "setup/res/resource_ids.h"
#include "look/skin.h"
#include "setup/shell/installing_page.h"
#include "setup/shell/intro_page.h"
#include "setup/shell/page_manager.h"
#include "setup/shell/result_page.h"
#include "setup/shell/skin_layout.h"
#include "setup/shell/skin_paint.h"

namespace {

// The page is named by its title line and reads its lines in order, each placed
// where it is painted, in the font it is painted in. A reader may ask while the
// intro page is still being created, before the page manager and its fonts
// exist: the lines are then measured in the system font.
void DescribeLines(CWnd* page, std::span<const skin::TextLine> lines, fw::AccessibleFace& face) {
    face.role = ROLE_SYSTEM_DIALOG;
    if (lines.empty()) return;
    face.name = std::wstring(lines[0].text);
    CClientDC dc(page);
    for (size_t i = 0; i < lines.size(); ++i) {
        const CFont* font =
            g_pPrevMgr == nullptr ? nullptr : (i == 0 ? &g_pPrevMgr->m_titleFont : &g_pPrevMgr->m_bodyFont);
        const fw::ScopedSelect painted(dc, font != nullptr ? font->m_hObject : nullptr);
        const std::wstring text(lines[i].text);
        SIZE extent{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const RECT place{skin::kTextX, lines[i].y, skin::kTextX + extent.cx, lines[i].y + extent.cy};
        face.items.push_back(fw::AccessibleItem::Text(ROLE_SYSTEM_STATICTEXT, text, place));
    }
}

// A press on the close image asks to exit where the page has that rule; on the
// installing page it only drags, so there it has no action.
void DescribeImageButtons(skin::PageKind kind, int minimiseHover, int closeHover, fw::AccessibleFace& face) {
    const bool closes = skin::ActionForPress(kind, skin::kCloseButtonRect.left, skin::kCloseButtonRect.top) ==
                        skin::PressAction::Close;
    look::DescribeImageButtons(face, skin::kTitleBand, minimiseHover, closeHover, closes ? fw::kPressAction : L"");
}

void DescribeControl(CWnd* page, int id, fw::AccessibleFace& face) {
    if (HWND control = ::GetDlgItem(page->m_hWnd, id)) face.items.push_back(fw::AccessibleItem::Control(control));
}

}  // namespace

void CIntro::DescribeAccessible(fw::AccessibleFace& face) {
    DescribeLines(this, skin::kIntroFace.lines, face);
    DescribeImageButtons(skin::PageKind::Intro, m_minimiseHover, m_closeHover, face);
    DescribeControl(this, IDC_NEXT, face);
    DescribeControl(this, IDCANCEL, face);
}

void CNotiLowVersion::DescribeAccessible(fw::AccessibleFace& face) {
    DescribeLines(this, skin::kInstallingFace.lines, face);
    RECT picture{};
    if (m_picture.m_hWnd != nullptr) {
        ::GetWindowRect(m_picture.m_hWnd, &picture);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&picture), 2);
    }
    fw::AccessibleItem animation = fw::AccessibleItem::Text(ROLE_SYSTEM_ANIMATION, L"설치 진행 중", picture);
    if (m_picture.IsAnimating()) animation.state |= STATE_SYSTEM_ANIMATED;
    face.items.push_back(animation);
    DescribeImageButtons(skin::PageKind::Installing, g_pPrevMgr->m_minimiseHover, g_pPrevMgr->m_closeHover, face);
    DescribeControl(this, IDC_NEXT, face);
    DescribeControl(this, IDCANCEL, face);
}

void CRespFail::DescribeAccessible(fw::AccessibleFace& face) {
    DescribeLines(this, skin::ResultFace(g_pPrevMgr->m_resultCode).lines, face);
    DescribeImageButtons(skin::PageKind::Result, g_pPrevMgr->m_minimiseHover, g_pPrevMgr->m_closeHover, face);
    DescribeControl(this, IDCANCEL, face);
}
