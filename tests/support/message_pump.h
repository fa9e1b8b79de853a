#pragma once
// Lets a window test's thread handle what its windows were sent or posted, and
// wait for a state rather than for a time.
#include <windows.h>

namespace testpump {

// How long a test waits for a state before it calls the wait failed. Generous:
// a loaded machine running Wine is slow, and a wait that holds ends at once.
inline constexpr DWORD kPatienceMs = 10000;

// Dispatches every message already queued for this thread.
inline void PumpPending() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// Dispatches this thread's messages until `done()` holds, or until `boundMs`
// have passed; returns whether it held. Between rounds it sleeps on the queue
// for up to `pollMs`, so a posted message or an input event ends the pause at
// once (a state changed by another thread is seen within `pollMs`).
template <class Condition>
bool PumpUntil(Condition done, DWORD boundMs = kPatienceMs, DWORD pollMs = 5) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        PumpPending();
        if (done()) return true;
        if (::GetTickCount() - start >= boundMs) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, pollMs, QS_ALLINPUT);
    }
}

// The same for a thread that owns no windows (a test's stand-in user): polls
// `done()` every `pollMs` until it holds or `boundMs` have passed.
template <class Condition>
bool WaitUntil(Condition done, DWORD boundMs = kPatienceMs, DWORD pollMs = 2) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (done()) return true;
        if (::GetTickCount() - start >= boundMs) return false;
        ::Sleep(pollMs);
    }
}

// Dispatches this thread's messages while `holds()` stays true for `ms`
// milliseconds; returns false as soon as it does not. For what must *not*
// happen (a key that must not close a window): there is no event to wait for,
// only a span to watch.
template <class Condition>
bool HoldsFor(Condition holds, DWORD ms) {
    return !PumpUntil([&] { return !holds(); }, ms);
}

// Registers a window class of this program for a test's own windows; its name
// for CreateWindow (the class stays registered until the process ends).
inline LPCWSTR TestWindowClass(LPCWSTR name, WNDPROC proc) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    ::RegisterClassW(&wc);  // a second registration fails harmlessly
    return name;
}

// A window of the thread that makes it which notes the marks posted to it. A
// thread's posted messages are handled in the order they were posted, so once
// a mark is handled, so is everything posted to that thread before it: another
// thread waits on that instead of guessing how long the handling takes.
class QueueMarker {
public:
    QueueMarker() {
        hwnd_ = ::CreateWindowW(TestWindowClass(L"TestQueueMarker", &Proc), L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&handled_));
    }
    ~QueueMarker() {
        if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
    }
    QueueMarker(const QueueMarker&) = delete;
    QueueMarker& operator=(const QueueMarker&) = delete;

    // From any thread: posts a mark and waits until the owning thread handled it.
    bool PassedBy(DWORD boundMs = kPatienceMs) {
        const LONG mark = ::InterlockedIncrement(&posted_);
        if (!::PostMessageW(hwnd_, WM_APP, 0, mark)) return false;
        return WaitUntil([&] { return ::InterlockedCompareExchange(&handled_, 0, 0) >= mark; }, boundMs);
    }

private:
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_APP) {
            if (auto* handled = reinterpret_cast<volatile LONG*>(::GetWindowLongPtrW(h, GWLP_USERDATA)))
                ::InterlockedExchange(handled, static_cast<LONG>(lp));
            return 0;
        }
        return ::DefWindowProcW(h, msg, wp, lp);
    }
    HWND hwnd_ = nullptr;
    volatile LONG posted_ = 0;
    volatile LONG handled_ = 0;
};

}  // namespace testpump
