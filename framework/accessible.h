#pragma once
// Active Accessibility for painted windows. A window that paints its own texts
// and image buttons describes them as a face: one item per thing a screen reader
// should find, in reading order, with its real child controls among them (the
// system describes those itself). A CWnd that lists ON_WM_GETOBJECT() answers
// the client-area request with an object that reads DescribeAccessible() at
// every call, so what it reports is always what the window paints.
#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "framework/wnd.h"

namespace fw {

struct AccessibleItem {
    LONG role = ROLE_SYSTEM_STATICTEXT;
    std::wstring name;
    RECT rect{};                // client coordinates; unused for a control
    std::wstring defaultAction;  // empty: none; doing it presses the centre of `rect`
    LONG state = 0;             // STATE_SYSTEM_ bits of its own (hot, unavailable, ...)
    HWND control = nullptr;     // a real child control, which the system describes

    static AccessibleItem Text(LONG role, std::wstring name, RECT rect) {
        AccessibleItem item;
        item.role = role;
        item.name = std::move(name);
        item.rect = rect;
        item.state = STATE_SYSTEM_READONLY;
        return item;
    }
    static AccessibleItem Button(std::wstring name, RECT rect, std::wstring action, bool hot) {
        AccessibleItem item;
        item.role = ROLE_SYSTEM_PUSHBUTTON;
        item.name = std::move(name);
        item.rect = rect;
        item.state = (hot ? STATE_SYSTEM_HOTTRACKED : 0) | (action.empty() ? STATE_SYSTEM_UNAVAILABLE : 0);
        item.defaultAction = std::move(action);
        return item;
    }
    static AccessibleItem Control(HWND hwnd) {
        AccessibleItem item;
        item.control = hwnd;
        return item;
    }
};

struct AccessibleFace {
    LONG role = ROLE_SYSTEM_CLIENT;  // of the window itself
    std::wstring name;
    std::vector<AccessibleItem> items;  // child ids 1..n, in reading order
};

// The default action of a painted push button, as the system names a button's.
inline constexpr wchar_t kPressAction[] = L"누르기";

// Tells assistive technology what changed between two descriptions of `hwnd`:
// a name change for each item whose name differs (only those, so a window that
// updates once a second floods no one), or a reorder when the items differ.
void NotifyFaceChanges(HWND hwnd, const AccessibleFace& before, const AccessibleFace& after);

// Runs `change` on `wnd` and announces what it changed in the window's face.
template <typename Change>
void ChangeFace(CWnd& wnd, Change&& change) {
    // Describing costs a few text measurements; spare them while no one listens.
    if (!::IsWinEventHookInstalled(EVENT_OBJECT_NAMECHANGE)) {
        change();
        return;
    }
    AccessibleFace before;
    wnd.DescribeAccessible(before);
    change();
    AccessibleFace after;
    wnd.DescribeAccessible(after);
    NotifyFaceChanges(wnd.GetSafeHwnd(), before, after);
}

}  // namespace fw
