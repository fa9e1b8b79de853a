#pragma once
// Answers a message box from another thread, as a user would, while the test's
// own thread sits in the box's modal loop.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "tests/support/message_pump.h"

namespace testpump {

class BoxAnswerer {
public:
    // Waits for `find` to name a box, reads its message text and presses `button`.
    BoxAnswerer(std::function<HWND()> find, int button) {
        thread_ = std::thread([this, find = std::move(find), button] {
            HWND box = nullptr;
            if (!WaitUntil([&] { return (box = find()) != nullptr; })) return;
            wchar_t buf[256] = {};
            if (HWND label = ::GetDlgItem(box, 0xFFFF)) ::GetWindowTextW(label, buf, 256);
            text = buf;
            ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
            answered = true;
        });
    }
    ~BoxAnswerer() { Join(); }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    void Join() {
        if (thread_.joinable()) thread_.join();
    }
    std::wstring text;
    std::atomic<bool> answered{false};

private:
    std::thread thread_;
};

}  // namespace testpump
