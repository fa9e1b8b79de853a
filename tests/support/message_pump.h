#pragma once
// Lets a window test's thread handle what its windows were sent or posted.
#include <windows.h>

namespace testpump {

// Dispatches this thread's messages for `ms` milliseconds.
inline void Pump(DWORD ms = 30) {
    const DWORD end = ::GetTickCount() + ms;
    do {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(5);
    } while (static_cast<LONG>(end - ::GetTickCount()) > 0);
}

}  // namespace testpump
