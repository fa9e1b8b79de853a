// Paint and update cost of the status dialog in-process (stand-in worker), and
// the GDI, USER and kernel handle counts around many of them. Not a test.
//   wlanstat_paint_benchmark.exe [repeats]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "wlanstat/ui/link_view_dlg.h"
#include "wlanstat/ui/wine_tests/sample_status.h"

namespace {

double NowMs() {
    static LARGE_INTEGER f = [] {
        LARGE_INTEGER v;
        QueryPerformanceFrequency(&v);
        return v;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

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

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void Measure(const char* name, int n, const std::function<void(int)>& body) {
    std::vector<double> ms;
    ms.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t0 = NowMs();
        body(i);
        ms.push_back(NowMs() - t0);
    }
    double sum = 0;
    for (double v : ms) sum += v;
    std::printf("%-44s n=%-5d mean %.3f ms  max %.3f ms\n", name, n, sum / n, *std::max_element(ms.begin(), ms.end()));
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
    while (dlg.firstPaint == 0 && NowMs() - dlg.created < 10000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        Pump();
    }
    std::printf("%-44s %.1f ms\n", "dialog creation to first paint", dlg.firstPaint - dlg.created);

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
        Measure(names[state], n, [&](int) {
            dlg.Invalidate(TRUE);
            dlg.UpdateWindow();
        });
    }
    dlg.liveStatus = Record(PANEL_CONNECTED);
    Measure("hover repaint (move across the minimise edge)", n * 3, [&](int i) {
        dlg.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(i % 2 ? 556 : 568, 10));
        dlg.UpdateWindow();
    });
    Measure("update hand-off (same list) and repaint", n, [&](int) {
        HandOff(dlg);
        dlg.UpdateWindow();
    });
    Measure("update hand-off (list refilled) and repaint", n, [&](int i) {
        dlg.interfaceList[1].strInterfaceDescription = i % 2 ? L"USB Wireless LAN Adapter" : L"Other Adapter";
        HandOff(dlg);
        dlg.UpdateWindow();
    });
    const Counts after = Now();
    std::printf("GDI objects %lu -> %lu, USER objects %lu -> %lu, handles %lu -> %lu\n", before.gdi, after.gdi,
                before.user, after.user, before.handles, after.handles);
    dlg.DestroyWindow();
    return after.gdi > before.gdi ? 2 : 0;
}
