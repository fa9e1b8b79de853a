#include "framework/image_list.h"

#include "framework/dc.h"
#include "framework/gdi.h"

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow) noexcept {
    DeleteImageList();
    m_hImageList = ::ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask) noexcept {
    if (m_hImageList == nullptr) return -1;
    return ::ImageList_AddMasked(m_hImageList, *bitmap, mask);
}

BOOL CImageList::Draw(CDC* dc, int image, POINT at, UINT style) noexcept {
    return ::ImageList_Draw(m_hImageList, image, dc->m_hDC, at.x, at.y, style);
}

BOOL CImageList::DeleteImageList() noexcept {
    if (m_hImageList == nullptr) return FALSE;
    BOOL ok = ::ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
    return ok;
}
