#include "framework/dc.h"

#include "framework/wnd.h"

namespace {

int SlotOf(HGDIOBJ obj) noexcept {
    switch (::GetObjectType(obj)) {
    case OBJ_BITMAP: return 0;
    case OBJ_FONT: return 1;
    case OBJ_BRUSH: return 2;
    case OBJ_PEN: return 3;
    default: return -1;
    }
}

}  // namespace

CDC::~CDC() {
    if (m_owned) DeleteDC();
}

BOOL CDC::CreateCompatibleDC(CDC* dc) noexcept {
    if (m_owned) DeleteDC();
    m_hDC = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    m_owned = m_hDC != nullptr;
    return m_owned;
}

BOOL CDC::DeleteDC() noexcept {
    if (m_hDC == nullptr || !m_owned) return FALSE;
    RestoreSelections();
    BOOL ok = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_owned = false;
    return ok;
}

HGDIOBJ CDC::SelectObject(CGdiObject* object) noexcept {
    HGDIOBJ obj = object->m_hObject;
    if (m_hDC == nullptr || obj == nullptr) return nullptr;
    HGDIOBJ old = ::SelectObject(m_hDC, obj);
    int slot = SlotOf(obj);
    if (slot >= 0 && m_original[slot] == nullptr && old != nullptr && old != HGDI_ERROR) m_original[slot] = old;
    return old;
}

void CDC::RestoreSelections() noexcept {
    for (HGDIOBJ& obj : m_original) {
        if (obj != nullptr) ::SelectObject(m_hDC, obj);
        obj = nullptr;
    }
}

CPaintDC::CPaintDC(CWnd* wnd) noexcept : m_hWnd(wnd->m_hWnd) {
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC() {
    RestoreSelections();
    ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}

CClientDC::CClientDC(CWnd* wnd) noexcept : m_hWnd(wnd ? wnd->m_hWnd : nullptr) {
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC() {
    RestoreSelections();
    if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
}
