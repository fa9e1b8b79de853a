// Benchmark of the installer's pages: frame creation to the intro's first paint,
// the cost of a full paint of each page and of a hover repaint, and GDI, USER
// and kernel handle counts over a long run of both (they must not grow).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "framework/afxwin.h"
#include "setup/engine/install_result.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/frame_dlg.h"
#include "setup/shell/installer_app.h"
#include "setup/shell/installing_page.h"
#include "setup/shell/page_manager.h"

// The installing page's seam: the benchmark times pages, not an installation.
struct InstallingPageTestAccess {
    static void UseWorker(CNotiLowVersion& page, CNotiLowVersion::WorkerStarter start) { page.m_startWorker = start; }
};

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

HANDLE StartIdleWorker(InstallResultTarget*) {
    return ::CreateThread(nullptr, 0, [](LPVOID) -> DWORD { return 0; }, nullptr, 0, nullptr);
}

struct Counts {
    DWORD gdi, user, handles;
};

Counts Now() {
    Counts c{};
    c.gdi = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    c.user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    ::GetProcessHandleCount(::GetCurrentProcess(), &c.handles);
    return c;
}

void Report(const char* what, std::vector<double>& ms) {
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    std::printf("%-28s n=%zu mean %.3f ms, median %.3f ms, max %.3f ms\n", what, ms.size(), sum / ms.size(),
                ms[ms.size() / 2], ms.back());
}

std::vector<double> TimePaints(CWnd* page, int n) {
    std::vector<double> ms;
    for (int i = 0; i < n; ++i) {
        auto start = Clock::now();
        ::RedrawWindow(page->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ms.push_back(MsSince(start));
    }
    return ms;
}

std::vector<double> TimeHovers(CWnd* page, int n) {
    std::vector<double> ms;
    for (int i = 0; i < n; ++i) {
        auto start = Clock::now();
        page->SendMessage(WM_MOUSEMOVE, 0, i % 2 ? MAKELPARAM(495, 15) : MAKELPARAM(300, 200));
        page->UpdateWindow();
        ms.push_back(MsSince(start));
    }
    return ms;
}

}  // namespace

int main() {
    CWinApp app(kInstallerName);
    CNorvikDlg frame;
    app.m_pMainWnd = &frame;

    auto start = Clock::now();
    frame.Create(IDD_FRAME);
    frame.m_intro.UpdateWindow();
    std::printf("frame creation to the intro's first paint: %.1f ms\n", MsSince(start));
    auto* installing = static_cast<CNotiLowVersion*>(g_pPrevMgr->Page(0));
    InstallingPageTestAccess::UseWorker(*installing, &StartIdleWorker);
    Pump();

    std::vector<double> ms = TimePaints(&frame.m_intro, 300);
    Report("intro full paint", ms);
    ms = TimeHovers(&frame.m_intro, 1000);
    Report("intro hover repaint", ms);

    frame.m_intro.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_NEXT, BN_CLICKED), 0);
    Pump();
    installing->m_picture.ReleaseAll();  // time the page, not the animation
    ms = TimePaints(installing, 300);
    Report("installing full paint", ms);

    installing->PostMessage(WM_INSTALL_RESULT, INSTALL_RESULT_FAILED, 0);
    Pump();
    CWnd* result = g_pPrevMgr->Page(1);
    ms = TimePaints(result, 300);
    Report("result full paint", ms);
    ms = TimeHovers(result, 1000);
    Report("result hover repaint", ms);

    // Long run: resource counts must stay flat.
    Counts before = Now();
    for (int round = 0; round < 10; ++round) {
        TimePaints(result, 200);
        TimeHovers(result, 200);
        TimePaints(&frame.m_intro, 200);
    }
    Pump();
    Counts after = Now();
    std::printf("after 6000 paints and 2000 hovers: GDI objects %lu -> %lu, USER objects %lu -> %lu, "
                "handles %lu -> %lu\n",
                before.gdi, after.gdi, before.user, after.user, before.handles, after.handles);

    frame.DestroyWindow();
    delete g_pPrevMgr;
    g_pPrevMgr = nullptr;
    return after.gdi > before.gdi + 2 ? 1 : 0;
}
