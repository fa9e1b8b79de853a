// Paint and update cost of the status dialog in-process (stand-in worker), and
// the GDI, USER and kernel handle counts around many of them. Not a test.
//   wlanstat_paint_benchmark.exe [repeats]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "tests/support/message_pump.h"
#include "tests/support/paint_bench.h"
#include "wlanstat/res/resource_ids.h"
#include "wlanstat/ui/link_view_dlg.h"
#include "wlanstat/ui/test_support/sample_status.h"

namespace {

using paintbench::NowMs;
using paintbench::Print;
using paintbench::Timing;

class BenchDlg : public CLinkViewDlg {
public:
    double created = 0, firstPaint = 0;
    using CLinkViewDlg::interfaceList;
    using CLinkViewDlg::liveStatus;
    using CLinkViewDlg::workerLink;

protected:
    void StartWorker() override {}
    LRESULT OnPaintTimed(WPARAM, LPARAM) {
        OnPaint();
        if (firstPaint == 0) firstPaint = NowMs();
        return 0;
    }
    BEGIN_MSG_MAP(BenchDlg, CLinkViewDlg)
        ON_MESSAGE(WM_PAINT, OnPaintTimed)
    END_MSG_MAP()
};

// Times `step` n times and prints it against the floor.
void Measure(const char* name, int n, const Timing& floor, const std::function<void(int)>& step) {
    Print(name, paintbench::Measure(n, step), &floor);
}

struct Counts {
    DWORD gdi, user, handles;
};

Counts Now() {
    Counts c{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
             GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), 0};
    GetProcessHandleCount(GetCurrentProcess(), &c.handles);
    return c;
}

wlanstat::AdapterStatus Record(int state) {
    if (state == PANEL_NO_ADAPTER) return {};
    wlanstat::AdapterStatus s = wlanstat::SampleStatus(2, state == PANEL_CONNECTED);
    s.txFrames = 123456;
    s.rxFrames = 654321;
    return s;
}

void HandOff(BenchDlg& dlg) {
    auto section = dlg.workerLink->Enter();
    dlg.workerLink->BeginSend(section);
    dlg.SendMessage(wlanstat::WM_STATUS_UPDATED, 0, 0);
    dlg.workerLink->EndSend();
}

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    BenchDlg dlg;
    dlg.created = NowMs();
    if (!dlg.Create(IDD_STATUS_DIALOG)) return 1;
    testpump::PumpUntil([&] { return dlg.firstPaint != 0; });
    std::printf("%-44s %.1f ms\n", "dialog creation to first paint", dlg.firstPaint - dlg.created);
    // The floor: the background bitmap loaded and copied to a window over the dialog.
    const Timing floor = paintbench::MeasureFloor(IDB_BACKGROUND, paintbench::ClientOnScreen(dlg.m_hWnd), n);
    Print("floor: background bitmap, one BitBlt", floor);

    wlanstat::InterfaceInfo a, b;
    a.InterfaceGuid.data1 = 1;
    a.strInterfaceDescription = L"Quorix K4100ZT Wireless LAN PCI-E Adapter";
    b.InterfaceGuid.data1 = 2;
    b.strInterfaceDescription = L"USB Wireless LAN Adapter";
    dlg.interfaceList = {a, b};

    const Counts before = Now();
    const char* names[] = {"full paint, connected", "full paint, not connected", "full paint, no adapter"};
    for (int state : {PANEL_CONNECTED, PANEL_NOT_CONNECTED, PANEL_NO_ADAPTER}) {
        dlg.liveStatus = Record(state);
        HandOff(dlg);
        Measure(names[state], n, floor, [&](int) {
            dlg.Invalidate(TRUE);
            ::UpdateWindow(dlg.m_hWnd);
        });
    }
    dlg.liveStatus = Record(PANEL_CONNECTED);
    Measure("hover repaint (move across the minimise edge)", n * 3, floor, [&](int i) {
        dlg.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(i % 2 ? 556 : 568, 10));
        ::UpdateWindow(dlg.m_hWnd);
    });
    Measure("update hand-off (same list) and repaint", n, floor, [&](int) {
        HandOff(dlg);
        ::UpdateWindow(dlg.m_hWnd);
    });
    Measure("update hand-off (list refilled) and repaint", n, floor, [&](int i) {
        dlg.interfaceList[1].strInterfaceDescription = i % 2 ? L"USB Wireless LAN Adapter" : L"Other Adapter";
        HandOff(dlg);
        ::UpdateWindow(dlg.m_hWnd);
    });
    const Counts after = Now();
    std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu, handles %lu -> %lu\n", before.gdi, after.gdi,
                before.user, after.user, before.handles, after.handles);
    dlg.DestroyWindow();
    return after.gdi > before.gdi ? 2 : 0;
}
