// Benchmark of the installer's pages: frame creation to the intro's first paint,
// the cost of a full paint of each page and of a hover repaint, and GDI, USER
// and kernel handle counts over a long run of both (they must not grow).
#include <windows.h>

#include <cstdio>

#include "framework/afxwin.h"
#include "setup/engine/install_result.h"
#include "setup/res/resource_ids.h"
#include "setup/shell/frame_dlg.h"
#include "setup/shell/installer_app.h"
#include "setup/shell/installing_page.h"
#include "setup/shell/page_manager.h"
#include "tests/support/message_pump.h"
#include "tests/support/paint_bench.h"

// The installing page's seam: the benchmark times pages, not an installation.
struct InstallingPageTestAccess {
    static void UseWorker(CNotiLowVersion& page, CNotiLowVersion::WorkerStarter start) { page.m_startWorker = start; }
};

namespace {

using paintbench::Measure;
using paintbench::Print;
using paintbench::Repaint;
using paintbench::Timing;
using testpump::PumpPending;

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

Timing TimePaints(CWnd* page, int n) {
    return Measure(n, [&](int) { Repaint(page->m_hWnd); });
}

Timing TimeHovers(CWnd* page, int n) {
    return Measure(n, [&](int i) {
        page->SendMessage(WM_MOUSEMOVE, 0, i % 2 ? MAKELPARAM(495, 15) : MAKELPARAM(300, 200));
        ::UpdateWindow(page->m_hWnd);
    });
}

// The floor of a page painted from bitmap `id`, over the page.
Timing Floor(CWnd* page, UINT id, int n) {
    return paintbench::MeasureFloor(id, paintbench::ClientOnScreen(page->m_hWnd), n);
}

}  // namespace

int main() {
    CWinApp app(kInstallerName);
    CNorvikDlg frame;
    app.m_pMainWnd = &frame;

    const double start = paintbench::NowMs();
    frame.Create(IDD_FRAME);
    ::UpdateWindow(frame.m_intro.m_hWnd);
    std::printf("frame creation to the intro's first paint: %.1f ms\n", paintbench::NowMs() - start);
    auto* installing = static_cast<CNotiLowVersion*>(g_pPrevMgr->Page(0));
    InstallingPageTestAccess::UseWorker(*installing, &StartIdleWorker);
    PumpPending();

    // Each page against its own floor: its bitmap loaded and copied, nothing drawn on it.
    Timing floor = Floor(&frame.m_intro, IDB_INTRO, 300);
    Print("floor: intro bitmap, one BitBlt", floor);
    Print("intro full paint", TimePaints(&frame.m_intro, 300), &floor);
    Print("intro hover repaint", TimeHovers(&frame.m_intro, 1000), &floor);

    frame.m_intro.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_NEXT, BN_CLICKED), 0);
    PumpPending();
    installing->m_picture.ReleaseAll();  // time the page, not the animation
    floor = Floor(installing, IDB_INSTALLING, 300);
    Print("floor: installing bitmap, one BitBlt", floor);
    Print("installing full paint", TimePaints(installing, 300), &floor);

    installing->PostMessage(WM_INSTALL_RESULT, INSTALL_RESULT_FAILED, 0);
    PumpPending();
    CWnd* result = g_pPrevMgr->Page(1);
    floor = Floor(result, IDB_FAILURE, 300);
    Print("floor: failure bitmap, one BitBlt", floor);
    Print("result full paint", TimePaints(result, 300), &floor);
    Print("result hover repaint", TimeHovers(result, 1000), &floor);

    // Long run: resource counts must stay flat.
    Counts before = Now();
    for (int round = 0; round < 10; ++round) {
        TimePaints(result, 200);
        TimeHovers(result, 200);
        TimePaints(&frame.m_intro, 200);
    }
    PumpPending();
    Counts after = Now();
    std::printf("after 6000 paints and 2000 hovers: GDI objects %lu -> %lu, USER objects %lu -> %lu, "
                "handles %lu -> %lu\n",
                before.gdi, after.gdi, before.user, after.user, before.handles, after.handles);

    frame.DestroyWindow();
    delete g_pPrevMgr;
    g_pPrevMgr = nullptr;
    return after.gdi > before.gdi + 2 ? 1 : 0;
}
