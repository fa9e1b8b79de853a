#pragma once
// CPrevMgr: the one page manager. It owns the installing and result pages
// (m_pages[0] and [1]), the hover flags and image lists those two share, the
// fonts of all pages, and the install outcome the result page shows.
#include "framework/afxwin.h"

class CPrevMgr : public CObject {
public:
    CPrevMgr();
    // Destroys the page windows; the page objects stay (a worker may still hold the installing page).
    ~CPrevMgr() override;

    CObArray m_pages;
    int m_closeHover = 0;
    int m_minimiseHover = 0;
    CImageList m_closeImages;
    CImageList m_minimiseImages;
    int m_resultCode = 0;
    CFont m_buttonFont;
    CFont m_bodyFont;
    CFont m_titleFont;

    CDialog* Page(int index) const { return static_cast<CDialog*>(m_pages.GetAt(index)); }
    // Shows page k (and gives it the focus) and hides every other page.
    void ShowPage(int k);
    // Draws bitmap `bitmapId` with the shared image buttons onto `target`.
    void DrawBackground(CDC* target, UINT bitmapId);
    // The result page's press rules: minimise, close (ConfirmExit), drag.
    void OnResultPageClick(CPoint point);
};

extern CPrevMgr* g_pPrevMgr;

// Asks "종료하시겠습니까?"; unless the answer is No, destroys the main window,
// which ends the modal run.
void ConfirmExit();
