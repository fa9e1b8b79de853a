// Runs the real install worker from the folder this program sits in and shows
// the outcome it posts. For the demo media, whose drivers\ holds the DPInst
// stand-in. With QUORIX_DEMO_AUTOCLOSE=<seconds> it closes itself that long
// after the outcome arrives (for unattended runs); Escape closes it too.
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "setup/engine/install_result.h"
#include "setup/engine/install_worker_thread.h"

namespace {

constexpr UINT_PTR kCloseTimer = 1;
constexpr wchar_t kTitle[] = L"Quorix 설치 엔진 데모";

struct DemoPage final : InstallResultTarget {
    HWND window = nullptr;
    std::wstring status = L"드라이버 설치 중... (DPInst 대기)";
    HWND ResultWindow() const override { return window; }
};

DemoPage page;

const wchar_t* OutcomeText(WPARAM posted) {
    if (const std::optional<InstallOutcome> outcome = PostedOutcome(posted)) {
        switch (*outcome) {
            case INSTALL_RESULT_SUCCESS: return L"결과: INSTALL_RESULT_SUCCESS (0) - 드라이버 설치 완료";
            case INSTALL_RESULT_FAILED: return L"결과: INSTALL_RESULT_FAILED (1) - 설치 실패";
            case INSTALL_RESULT_UNSUPPORTED_OS: return L"결과: INSTALL_RESULT_UNSUPPORTED_OS (2) - 지원하지 않는 Windows";
        }
    }
    return L"결과: 알 수 없는 값";
}

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, HANGUL_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"gulim");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 16, 16, page.status.c_str(), static_cast<int>(page.status.size()));
    static constexpr wchar_t note[] = L"drivers\\ 폴더의 DPInst는 데모용 대체 프로그램입니다.";
    TextOutW(dc, 16, 44, note, static_cast<int>(wcslen(note)));
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK DemoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_INSTALL_RESULT: {
            page.status = OutcomeText(wParam);
            InvalidateRect(hwnd, nullptr, TRUE);
            const char* autoclose = std::getenv("QUORIX_DEMO_AUTOCLOSE");
            if (autoclose != nullptr) SetTimer(hwnd, kCloseTimer, 1000u * std::strtoul(autoclose, nullptr, 10), nullptr);
            return 0;
        }
        case WM_PAINT:
            Paint(hwnd);
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) DestroyWindow(hwnd);
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

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DemoProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = L"QuorixEngineDemo";
    RegisterClassW(&wc);
    page.window = CreateWindowExW(0, wc.lpszClassName, kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 100, 100,
                                  560, 120, nullptr, nullptr, instance, nullptr);
    if (page.window == nullptr) return 1;
    ShowWindow(page.window, show);

    HANDLE worker = CreateThread(nullptr, 0, InstallWorkerThread, static_cast<InstallResultTarget*>(&page), 0, nullptr);
    if (worker != nullptr) CloseHandle(worker);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
