// Runs the real install worker from wherever this executable was copied, with a
// real window as the page, and reports what reached that window as its exit code:
// the outcome (0, 1, 2) when exactly one WM_INSTALL_RESULT with lParam 0
// arrived, otherwise kProbeBadMessages.
#include <windows.h>

#include "setup/engine/install_result.h"
#include "setup/engine/install_worker_thread.h"
#include "setup/engine/wine_tests/probe_codes.h"

namespace {

constexpr UINT_PTR kSettleTimer = 1;

struct ProbePage final : InstallResultTarget {
    HWND window = nullptr;
    int messages = 0;
    bool lParamNonZero = false;
    WPARAM outcome = 0;
    HWND ResultWindow() const override { return window; }
};

ProbePage page;

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_INSTALL_RESULT:
            ++page.messages;
            page.outcome = wParam;
            page.lParamNonZero |= lParam != 0;
            // Linger a little so that a second, wrong message would be seen too.
            SetTimer(hwnd, kSettleTimer, 300, nullptr);
            return 0;
        case WM_TIMER:
            DestroyWindow(hwnd);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"QuorixInstallProbe";
    RegisterClassW(&wc);
    page.window = CreateWindowExW(0, wc.lpszClassName, L"install probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, instance, nullptr);
    if (page.window == nullptr) return kProbeNoWindow;

    HANDLE worker = CreateThread(nullptr, 0, InstallWorkerThread, static_cast<InstallResultTarget*>(&page), 0, nullptr);
    if (worker == nullptr) return kProbeNoThread;
    CloseHandle(worker);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (page.messages != 1 || page.lParamNonZero) return kProbeBadMessages;
    return static_cast<int>(page.outcome);
}
