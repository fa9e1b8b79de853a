// Reads a drop-down list as the program holds it, from another process, so that a
// whole-program test waits for the list's state instead of guessing it from
// pixels: finds the top-level window titled TITLE whose client area is WxH (when
// given), takes its first combo box and prints "open|closed COUNT SELECTED"
// (SELECTED -1 when none).
// Usage: combo_probe.exe TITLE [WxH]; exit code 0, 2 (no window), 3 (no combo box).
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

struct Search {
    const wchar_t* title;
    int width, height;  // 0: any size
    HWND found;
};

BOOL CALLBACK Visit(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    wchar_t text[128] = {};
    ::GetWindowTextW(h, text, 128);
    if (!::IsWindowVisible(h) || std::wcscmp(text, s->title) != 0) return TRUE;
    RECT r{};
    ::GetClientRect(h, &r);
    if (s->width != 0 && (r.right != s->width || r.bottom != s->height)) return TRUE;
    s->found = h;
    return FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 1;
    Search s{argv[1], 0, 0, nullptr};
    if (argc >= 3 && std::swscanf(argv[2], L"%dx%d", &s.width, &s.height) != 2) return 1;
    ::EnumWindows(&Visit, reinterpret_cast<LPARAM>(&s));
    if (s.found == nullptr) return 2;
    HWND combo = ::FindWindowExW(s.found, nullptr, L"ComboBox", nullptr);
    if (combo == nullptr) return 3;
    const bool open = ::SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    const LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    const LRESULT selected = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    std::printf("%s %ld %ld\n", open ? "open" : "closed", static_cast<long>(count), static_cast<long>(selected));
    return 0;
}
