// Benchmark of the installing animation: how long three cycles of resource 246
// really take against the 4650 ms per cycle its delays give, and how long a stop
// takes. Runs the control in a visible window with a message pump, as the page does.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "setup/picture/animated_picture.h"
#include "tests/support/message_pump.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsBetween(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Pumps messages until `done` holds; false after `timeoutMs`. Looks every
// millisecond: the frames change on the control's own thread.
template <typename F>
bool PumpUntil(F done, int timeoutMs) {
    return testpump::PumpUntil(done, static_cast<DWORD>(timeoutMs), 1);
}

}  // namespace

int main() {
    HWND main = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr, nullptr,
                                nullptr);
    HWND control = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 188, 203, 333, 47, main,
                                   reinterpret_cast<HMENU>(1178), nullptr, nullptr);
    CAnimatedPicture picture;
    picture.SubclassWindow(control);
    picture.m_centerInMainWindow = 0;
    if (picture.LoadFromResource() != 1) {
        std::printf("resource 246 did not load\n");
        return 1;
    }

    // Three cycles: from Play until frame 0 shows for the fourth time.
    const auto start = Clock::now();
    picture.Play();
    std::vector<double> cycleEnds;
    std::uint32_t last = 0;
    PumpUntil([&] {
        const std::uint32_t now = picture.ShownFrame();
        if (now == 0 && last == 14) cycleEnds.push_back(MsBetween(start, Clock::now()));
        last = now;
        return cycleEnds.size() == 3;
    }, 30000);
    picture.ReleaseAll();
    if (cycleEnds.size() != 3) {
        std::printf("the animation did not complete three cycles\n");
        return 1;
    }
    std::printf("three cycles: %.0f ms measured, 13950 ms from the delays (+%.2f%%)\n", cycleEnds[2],
                (cycleEnds[2] - 13950.0) * 100.0 / 13950.0);
    std::printf("  cycle lengths: %.0f, %.0f, %.0f ms\n", cycleEnds[0], cycleEnds[1] - cycleEnds[0],
                cycleEnds[2] - cycleEnds[1]);

    // Stop latency: ReleaseAll at points inside the 2000 ms frame and inside short frames.
    std::vector<double> latencies;
    for (int i = 0; i < 12; ++i) {
        picture.LoadFromResource();
        picture.Play();
        const std::uint32_t target = (i % 2 == 0) ? 10 : 1 + static_cast<std::uint32_t>(i % 9);
        PumpUntil([&] { return picture.ShownFrame() == target; }, 10000);
        Sleep(static_cast<DWORD>(target == 10 ? 100 + 150 * i : 10 + 7 * i));  // spread over the frame
        const auto t = Clock::now();
        picture.ReleaseAll();
        latencies.push_back(MsBetween(t, Clock::now()));
    }
    std::sort(latencies.begin(), latencies.end());
    double sum = 0;
    for (double l : latencies) sum += l;
    std::printf("stop latency over %zu stops: mean %.2f ms, median %.2f ms, max %.2f ms\n", latencies.size(),
                sum / static_cast<double>(latencies.size()), latencies[latencies.size() / 2], latencies.back());
    DestroyWindow(main);
    return 0;
}
