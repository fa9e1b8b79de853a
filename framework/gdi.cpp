#include "framework/gdi.h"

#include "framework/app.h"
#include "framework/dc.h"

BOOL CGdiObject::DeleteObject() noexcept {
    if (m_hObject == nullptr) return FALSE;
    BOOL ok = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return ok;
}

BOOL CBitmap::LoadBitmap(UINT id) noexcept {
    return Attach(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) noexcept {
    return Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}
