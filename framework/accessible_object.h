#pragma once
// The accessible object of one window's client area, and the link through which
// it reaches the window. The window owns the link and cuts it when it goes
// (WM_NCDESTROY, or the CWnd's end), so an object a client keeps afterwards
// answers CO_E_OBJNOTCONNECTED instead of touching a dead window.
#include <windows.h>

#include <oleacc.h>

#include <atomic>
#include <memory>

class CWnd;

namespace fw {

struct AccessibleLink {
    std::atomic<CWnd*> wnd{nullptr};  // nullptr once the window is gone
    HWND hwnd = nullptr;
    DWORD thread = 0;     // the window's thread: the only one that may describe it
};

// A new object with one reference, owned by the caller.
IAccessible* NewAccessibleObject(std::shared_ptr<const AccessibleLink> link);

}  // namespace fw
