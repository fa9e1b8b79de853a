// CWnd's answer to WM_GETOBJECT, and the change events of a face.
#include "framework/accessible.h"

#include "framework/accessible_object.h"
#include "framework/accessible_rules.h"
#include "framework/ole_procs.h"
#include "framework/wnd.h"

void CWnd::DescribeAccessible(fw::AccessibleFace&) {}

LRESULT CWnd::OnGetObject(WPARAM wParam, LPARAM lParam) {
    // The object id travels as a 32-bit value, zero-extended on 64-bit systems.
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT || m_hWnd == nullptr) return Default();
    if (!fw::ole::EnterApartment()) return Default();
    if (!m_accessible) {
        m_accessible = std::make_shared<fw::AccessibleLink>();
        m_accessible->wnd = this;
        m_accessible->hwnd = m_hWnd;
        m_accessible->thread = ::GetCurrentThreadId();
    }
    IAccessible* object = fw::NewAccessibleObject(m_accessible);
    const LRESULT result = fw::ole::LresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();  // the reference handed out is the marshalled one
    // Failing that, the system's own description is better than none.
    return result > 0 ? result : Default();
}

void CWnd::CutAccessibleLink() noexcept {
    if (m_accessible) m_accessible->wnd = nullptr;
    m_accessible.reset();
}

namespace fw {

void NotifyFaceChanges(HWND hwnd, const AccessibleFace& before, const AccessibleFace& after) {
    auto names = [](const AccessibleFace& face) {
        std::vector<std::wstring> out;
        out.reserve(face.items.size());
        for (const AccessibleItem& item : face.items) out.push_back(item.name);
        return out;
    };
    const FaceChanges changes = CompareNames(names(before), names(after));
    if (changes.reordered) {
        ::NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd, OBJID_CLIENT, CHILDID_SELF);
        return;
    }
    if (before.name != after.name) ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd, OBJID_CLIENT, CHILDID_SELF);
    for (long id : changes.renamed) ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd, OBJID_CLIENT, id);
}

}  // namespace fw
