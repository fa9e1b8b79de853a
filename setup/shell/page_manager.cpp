#include "setup/shell/page_manager.h"

#include "look/skin.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/installing_page.h"
#include "setup/shell/page_press.h"
#include "setup/shell/result_page.h"
#include "setup/shell/skin_paint.h"

CPrevMgr* g_pPrevMgr = nullptr;

CPrevMgr::CPrevMgr() {
    m_pages.Add(new CNotiLowVersion);
    m_pages.Add(new CRespFail);
    look::MakeButtonImages(m_minimiseImages, IDB_MINIMISE_IMAGES);
    look::MakeButtonImages(m_closeImages, IDB_CLOSE_IMAGES);
    look::MakeGulimFont(m_buttonFont, 12);
    look::MakeGulimFont(m_bodyFont, 12);
    look::MakeGulimFont(m_titleFont, 16, FW_BOLD);
}

CPrevMgr::~CPrevMgr() {
    for (std::ptrdiff_t i = 0; i < m_pages.GetSize(); ++i) Page(i)->DestroyWindow();
}

void CPrevMgr::ShowPage(int k) {
    for (std::ptrdiff_t i = 0; i < m_pages.GetSize(); ++i) {
        CDialog* page = Page(i);
        if (i == k) {
            page->ShowWindow(SW_SHOW);
            if (page->m_hWnd != nullptr) page->SetFocus();
        } else {
            page->ShowWindow(SW_HIDE);
        }
    }
    // Another page fills the frame: screen readers that keep the frame's tree
    // read it again, starting where the new page took the focus.
    if (k >= 0 && k < m_pages.GetSize() && Page(k)->m_hWnd != nullptr)
        ::NotifyWinEvent(EVENT_OBJECT_REORDER, ::GetParent(Page(k)->m_hWnd), OBJID_CLIENT, CHILDID_SELF);
}

void CPrevMgr::DrawBackground(CDC* target, UINT bitmapId) {
    CBitmap background;
    background.LoadBitmap(bitmapId);
    CDC source;
    source.CreateCompatibleDC(target);
    const fw::ScopedSelect onBackground(source, background);
    look::DrawImageButtons(&source, skin::kTitleBand, m_minimiseImages, m_minimiseHover, m_closeImages, m_closeHover);
    target->BitBlt(0, 0, skin::kPageWidth, skin::kPageHeight, &source, 0, 0, SRCCOPY);
}

void CPrevMgr::OnResultPageClick(CPoint point) { skin::HandlePress(skin::PageKind::Result, point, m_minimiseHover); }

void ConfirmExit() {
    if (AfxMessageBox(L"종료하시겠습니까?", MB_YESNO) == IDNO) return;
    if (CWnd* main = skin::MainWindow()) main->DestroyWindow();
}
