#include "setup/picture/animation_loop.h"
#include "setup/picture/canvas_hold.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace picture {
namespace {

// Records the loop's canvas operations and stops after a given number of waits.
class RecordingHost final : public AnimationHost {
public:
    std::vector<GifFrameInfo> frames;
    std::vector<std::string> log;
    int waitsBeforeStop = 1000;
    bool stopAfterRender = false;
    bool saveFails = false;
    bool renderFails = false;
    bool saved = false;
    mutable bool exit = false;

    std::size_t FrameCount() const override { return frames.size(); }
    const GifFrameInfo& Frame(std::size_t index) const override { return frames.at(index); }
    bool ExitRequested() const override { return exit; }

    void FillCanvas() override { log.push_back("clear"); }
    void FillBackground(const FrameRect& r) override { log.push_back("fill " + Rect(r)); }
    void SaveArea(const FrameRect& r) override {
        saved = !saveFails;
        log.push_back("save " + Rect(r));
    }
    bool HasSavedArea() const override { return saved; }
    void RestoreArea(const FrameRect& r) override {
        saved = false;
        log.push_back("restore " + Rect(r));
    }
    bool RenderFrame(std::size_t index) override {
        log.push_back("render " + std::to_string(index));
        if (stopAfterRender) exit = true;
        return !renderFails;
    }
    void Invalidate() override { log.push_back("invalidate"); }
    void Wait(std::uint32_t ms) override {
        log.push_back("wait " + std::to_string(ms));
        if (--waitsBeforeStop == 0) exit = true;
    }

private:
    static std::string Rect(const FrameRect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) + "," +
               std::to_string(r.height);
    }
};

GifFrameInfo Frame(std::optional<std::uint32_t> delay, int disposal, FrameRect rect = {0, 0, 4, 4}) {
    return GifFrameInfo{rect, delay, disposal};
}

using Log = std::vector<std::string>;

TEST(FrameTiming, ShortOrMissingDelaysPlayAsOneTenth) {
    EXPECT_EQ(FrameWaitMs(std::nullopt), 100u);
    EXPECT_EQ(FrameWaitMs(0), 100u);
    EXPECT_EQ(FrameWaitMs(4), 100u);
    EXPECT_EQ(FrameWaitMs(5), 50u);
    EXPECT_EQ(FrameWaitMs(200), 2000u);
    EXPECT_EQ(FrameWaitMs(65535), 655350u);
}

TEST(RunAnimation, DrawsWaitsAndWrapsWithAClear) {
    RecordingHost host;
    host.frames = {Frame(50, 1), Frame(std::nullopt, 0)};
    host.waitsBeforeStop = 3;
    std::uint32_t current = 0;
    RunAnimation(host, current);
    EXPECT_EQ(host.log, (Log{"clear", "render 0", "invalidate", "wait 500", "render 1", "invalidate", "wait 100",
                             "clear", "render 0", "invalidate", "wait 500"}));
    EXPECT_EQ(current, 0u);  // stopped during frame 0's wait: not advanced
}

TEST(RunAnimation, DisposalToBackgroundAndToPrevious) {
    RecordingHost host;
    host.frames = {Frame(10, 2, {1, 2, 3, 4}), Frame(10, 3, {5, 6, 7, 8}), Frame(10, 1)};
    host.waitsBeforeStop = 3;
    std::uint32_t current = 0;
    RunAnimation(host, current);
    EXPECT_EQ(host.log, (Log{"clear", "fill 1,2,3,4", "render 0", "invalidate", "wait 100", "fill 1,2,3,4",
                             "save 5,6,7,8", "render 1", "invalidate", "wait 100", "restore 5,6,7,8",
                             "render 2", "invalidate", "wait 100"}));
    EXPECT_EQ(current, 2u);
}

TEST(RunAnimation, FailedSaveOrRenderStillWaitsAndDisposes) {
    RecordingHost host;
    host.frames = {Frame(20, 3), Frame(20, 1)};
    host.saveFails = true;
    host.renderFails = true;
    host.waitsBeforeStop = 2;
    std::uint32_t current = 0;
    RunAnimation(host, current);
    EXPECT_EQ(host.log, (Log{"clear", "save 0,0,4,4", "render 0", "wait 200", "render 1", "wait 200"}));
}

TEST(RunAnimation, StopAfterRenderSkipsTheWait) {
    RecordingHost host;
    host.frames = {Frame(10, 1), Frame(10, 1)};
    host.stopAfterRender = true;
    std::uint32_t current = 1;
    RunAnimation(host, current);
    EXPECT_EQ(host.log, (Log{"clear", "render 1", "invalidate"}));
    EXPECT_EQ(current, 1u);
}

TEST(RunAnimation, ResumeFinishesTheStoppedFramesDisposal) {
    RecordingHost host;
    host.frames = {Frame(10, 1), Frame(10, 3, {1, 1, 2, 2}), Frame(10, 2, {3, 3, 1, 1})};
    host.waitsBeforeStop = 2;  // stops in frame 1's wait, its area saved
    std::uint32_t current = 0;
    RunAnimation(host, current);
    ASSERT_EQ(current, 1u);
    ASSERT_TRUE(host.saved);

    host.log.clear();
    host.exit = false;
    host.waitsBeforeStop = 1;
    RunAnimation(host, current);
    EXPECT_EQ(host.log, (Log{"clear", "restore 1,1,2,2", "save 1,1,2,2", "render 1", "invalidate", "wait 100"}));

    host.log.clear();
    host.exit = false;
    host.waitsBeforeStop = 2;
    current = 2;
    RunAnimation(host, current);
    EXPECT_EQ(host.log, (Log{"clear", "fill 3,3,1,1", "render 2", "invalidate", "wait 100", "fill 3,3,1,1",
                             "clear", "render 0", "invalidate", "wait 100"}));
}

TEST(RunAnimation, OutOfRangeStartAndEmptyList) {
    RecordingHost host;
    std::uint32_t current = 7;
    RunAnimation(host, current);
    EXPECT_TRUE(host.log.empty());
    host.frames = {Frame(10, 1), Frame(10, 1)};
    host.waitsBeforeStop = 1;
    RunAnimation(host, current);
    EXPECT_EQ(current, 0u);
    EXPECT_EQ(host.log.at(1), "render 0");
}

// The canvas is let go only after the holder's GDI batch is flushed, and a
// hold that timed out flushes nothing.
std::vector<std::string> g_holdLog;
struct RecordingMutex {
    void lock() { g_holdLog.push_back("lock"); }
    bool try_lock_for(std::chrono::milliseconds) { return lockable && (lock(), true); }
    void unlock() { g_holdLog.push_back("unlock"); }
    bool lockable = true;
};
void RecordFlush() { g_holdLog.push_back("flush"); }

TEST(CanvasHold, FlushesBeforeItLetsGo) {
    RecordingMutex mutex;
    { FlushingHold<RecordingMutex, RecordFlush> hold(mutex); }
    EXPECT_EQ(g_holdLog, (std::vector<std::string>{"lock", "flush", "unlock"}));
    g_holdLog.clear();
    mutex.lockable = false;
    {
        FlushingHold<RecordingMutex, RecordFlush> hold(mutex, std::chrono::milliseconds(5));
        EXPECT_FALSE(hold.Held());
    }
    EXPECT_TRUE(g_holdLog.empty());
}

}  // namespace
}  // namespace picture
