#pragma once
// A screen reader's view, for the tests: a window's accessible object, the
// questions a reader asks it, and a recorder of the events a reader listens to.
#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "framework/com_ptr.h"
#include "tests/support/message_pump.h"

namespace msaa {

// The calling thread in a single-threaded apartment for the life of a test.
struct Apartment {
    Apartment() { ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~Apartment() { ::CoUninitialize(); }
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;
};

// The role the system gives a standard control's own object: Wine 8 calls
// every one of them a client area.
inline long ControlRole(long onWindows) {
    HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const bool wine = ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
    return wine ? ROLE_SYSTEM_CLIENT : onWindows;
}

inline VARIANT Child(long id) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

inline fw::ComPtr<IAccessible> ClientObject(HWND hwnd) {
    fw::ComPtr<IAccessible> acc;
    ::AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), IID_PPV_ARGS(acc.Put()));
    return acc;
}

inline std::wstring Take(BSTR b) {
    std::wstring s = b != nullptr ? std::wstring(b, ::SysStringLen(b)) : std::wstring();
    ::SysFreeString(b);
    return s;
}

inline std::wstring Name(IAccessible* acc, long id = CHILDID_SELF) {
    BSTR b = nullptr;
    acc->get_accName(Child(id), &b);
    return Take(b);
}

inline std::wstring DefaultAction(IAccessible* acc, long id) {
    BSTR b = nullptr;
    acc->get_accDefaultAction(Child(id), &b);
    return Take(b);
}

inline long LongProperty(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), IAccessible* acc, long id) {
    VARIANT v;
    v.vt = VT_EMPTY;
    if ((acc->*get)(Child(id), &v) != S_OK || v.vt != VT_I4) return -1;
    return v.lVal;
}
inline long Role(IAccessible* acc, long id = CHILDID_SELF) { return LongProperty(&IAccessible::get_accRole, acc, id); }
inline long State(IAccessible* acc, long id = CHILDID_SELF) { return LongProperty(&IAccessible::get_accState, acc, id); }

// Left, top, right, bottom in screen coordinates.
inline RECT Location(IAccessible* acc, long id = CHILDID_SELF) {
    LONG x = 0, y = 0, w = 0, h = 0;
    acc->accLocation(&x, &y, &w, &h, Child(id));
    return RECT{x, y, x + w, y + h};
}

inline long ChildCount(IAccessible* acc) {
    LONG n = -1;
    acc->get_accChildCount(&n);
    return n;
}

// Child `id` as an object of its own (a real control); empty for a simple element.
inline fw::ComPtr<IAccessible> ChildObject(IAccessible* acc, long id) {
    fw::ComPtr<IAccessible> child;
    IDispatch* dispatch = nullptr;
    if (acc->get_accChild(Child(id), &dispatch) == S_OK && dispatch != nullptr) {
        dispatch->QueryInterface(IID_PPV_ARGS(child.Put()));
        dispatch->Release();
    }
    return child;
}

struct Element {
    long role;
    std::wstring name;
    bool control;  // an object of its own
    bool operator==(const Element&) const = default;
};

// The children as a reader lists them, asking a control's own object about itself.
inline std::vector<Element> Children(IAccessible* acc) {
    std::vector<Element> out;
    for (long id = 1; id <= ChildCount(acc); ++id) {
        if (fw::ComPtr<IAccessible> child = ChildObject(acc, id))
            out.push_back({Role(child.Get()), Name(child.Get()), true});
        else
            out.push_back({Role(acc, id), Name(acc, id), false});
    }
    return out;
}

// The accessible events raised in this process while it lives; they arrive as
// the thread dispatches its messages.
class EventRecorder {
public:
    struct Event {
        DWORD event;
        HWND hwnd;
        LONG object;
        LONG child;
    };

    EventRecorder(DWORD first, DWORD last) : first_(first) {
        instance_ = this;
        hook_ = ::SetWinEventHook(first, last, nullptr, &Record, ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    ~EventRecorder() {
        if (hook_ != nullptr) ::UnhookWinEvent(hook_);
        instance_ = nullptr;
    }
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    bool Hooked() const { return hook_ != nullptr; }
    // Handles what this thread has queued, raises a marker event on `window`
    // and dispatches until it arrives: the events raised before it have then
    // arrived too (they come in order). The marker is not kept.
    bool Settle(HWND window) {
        testpump::PumpPending();
        ::NotifyWinEvent(first_, window, OBJID_CLIENT, kMarker);
        const bool arrived = testpump::PumpUntil([&] {
            for (const Event& e : events)
                if (e.child == kMarker) return true;
            return false;
        });
        std::erase_if(events, [](const Event& e) { return e.child == kMarker; });
        return arrived;
    }
    std::vector<Event> Of(DWORD event) const {
        std::vector<Event> out;
        for (const Event& e : events) {
            if (e.event == event) out.push_back(e);
        }
        return out;
    }
    std::vector<Event> events;

private:
    static void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
        if (instance_ != nullptr) instance_->events.push_back({event, hwnd, object, child});
    }
    static constexpr LONG kMarker = 0x7FFF7FFF;
    static inline EventRecorder* instance_ = nullptr;
    DWORD first_;
    HWINEVENTHOOK hook_ = nullptr;
};

}  // namespace msaa
