#pragma once
// What the paint benchmarks share: timing a repeated step, and the floor a
// painted window is measured against: its resource bitmap loaded and copied to
// the window with one BitBlt, nothing else, timed the same way in the same run.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "tests/support/message_pump.h"

namespace paintbench {

inline double NowMs() {
    static const LARGE_INTEGER f = [] {
        LARGE_INTEGER v;
        ::QueryPerformanceFrequency(&v);
        return v;
    }();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

struct Timing {
    int n = 0;
    double mean = 0, median = 0, max = 0;
};

// Runs `step(i)` n times and times each.
inline Timing Measure(int n, const std::function<void(int)>& step) {
    std::vector<double> ms;
    ms.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t0 = NowMs();
        step(i);
        ms.push_back(NowMs() - t0);
    }
    std::sort(ms.begin(), ms.end());
    Timing t;
    t.n = n;
    for (double v : ms) t.mean += v;
    t.mean /= n;
    t.median = ms[ms.size() / 2];
    t.max = ms.back();
    return t;
}

// Repaints `window` now, as the system does when it has been uncovered.
inline void Repaint(HWND window) { ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

// One line of the report; with a floor, the median as a multiple of the floor's
// (the median: on a shared machine a few slow rounds move the mean a lot).
inline void Print(const char* what, const Timing& t, const Timing* floor = nullptr) {
    std::printf("%-46s n=%-5d mean %.3f ms, median %.3f ms, max %.3f ms", what, t.n, t.mean, t.median, t.max);
    if (floor != nullptr && floor->median > 0) std::printf("  = %.2f x floor", t.median / floor->median);
    std::printf("\n");
}

// The floor's paint: the bitmap named by the window's user data, loaded and copied.
inline LRESULT CALLBACK FloorProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_PAINT) return ::DefWindowProcW(h, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(h, &ps);
    const UINT id = static_cast<UINT>(::GetWindowLongPtrW(h, GWLP_USERDATA));
    HBITMAP bitmap = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
    HDC memory = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    RECT r;
    ::GetClientRect(h, &r);
    ::BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
    ::DeleteObject(bitmap);
    ::EndPaint(h, &ps);
    return 0;
}

// The floor for a face painted from bitmap resource `bitmapId` of this program:
// a plain window over `screen` whose every paint loads the bitmap and copies it
// with one BitBlt. Timed with Repaint as the faces are.
inline Timing MeasureFloor(UINT bitmapId, const RECT& screen, int n) {
    HWND floor = ::CreateWindowExW(WS_EX_TOOLWINDOW, testpump::TestWindowClass(L"PaintBenchFloor", &FloorProc), L"floor",
                                   WS_POPUP | WS_VISIBLE, screen.left, screen.top, screen.right - screen.left,
                                   screen.bottom - screen.top, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowLongPtrW(floor, GWLP_USERDATA, static_cast<LONG_PTR>(bitmapId));
    ::UpdateWindow(floor);
    const Timing t = Measure(n, [&](int) { Repaint(floor); });
    ::DestroyWindow(floor);
    return t;
}

// The screen rectangle of a window's client area.
inline RECT ClientOnScreen(HWND window) {
    RECT r;
    ::GetClientRect(window, &r);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace paintbench
