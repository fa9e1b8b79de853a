#pragma once
// What the animation thread works on: the frames, the canvas, the saved area,
// the stop event and flags. The control and its thread share it by reference
// count, so a thread that does not stop in time can be left with it: nothing
// it can still touch is ever released under it.
#include <windows.h>
#include <ocidl.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <vector>

#include "framework/com_ptr.h"
#include "framework/unique_handle.h"
#include "setup/picture/animation_loop.h"
#include "setup/picture/canvas_hold.h"
#include "setup/picture/memory_canvas.h"

namespace picture {

// The canvas lock, flushing this thread's GDI batch before it is let go.
using CanvasHold = FlushingHold<std::timed_mutex, GdiFlush>;

struct GifFrame {
    fw::ComPtr<IPicture> picture;
    GifFrameInfo info;
};

class AnimationPlayback final : public AnimationHost {
public:
    AnimationPlayback();

    // The canvas is held for each drawing step and each copy out of it, so a
    // paint sees the state before or after a step, never one half-done.
    std::timed_mutex canvasLock;
    // A paint waits this long for a step; a step that takes longer has hung,
    // and the window must stay responsive.
    static constexpr std::chrono::milliseconds kPaintPatience{250};
    MemoryCanvas canvas;  // guarded by canvasLock
    MemoryCanvas saved;   // the area under a frame with disposal 3; animation thread only
    SIZE canvasSize{0, 0};
    COLORREF backgroundColor = RGB(255, 255, 255);

    std::vector<GifFrame> frames;  // changed only while no thread runs
    fw::UniqueHandle stopEvent;    // manual reset: cuts a frame delay short
    std::atomic<int> exitRequested{0};
    std::atomic<int> isPlaying{0};
    std::uint32_t currentFrame = 0;           // the thread's while it runs
    std::atomic<std::uint32_t> shownFrame{0};  // last frame drawn, for observers
    std::atomic<HWND> window{nullptr};  // invalidated after each frame; cleared when abandoned

    // Plays until exitRequested; runs on the animation thread.
    void Run();

    // AnimationHost
    std::size_t FrameCount() const override { return frames.size(); }
    const GifFrameInfo& Frame(std::size_t index) const override { return frames[index].info; }
    bool ExitRequested() const override { return exitRequested.load() != 0; }
    void FillCanvas() override;
    void FillBackground(const FrameRect& rect) override;
    void SaveArea(const FrameRect& rect) override;
    bool HasSavedArea() const override { return static_cast<bool>(saved); }
    void RestoreArea(const FrameRect& rect) override;
    bool RenderFrame(std::size_t index) override;
    void Invalidate() override;
    void Wait(std::uint32_t ms) override;
};

RECT ToRect(const FrameRect& rect) noexcept;

}  // namespace picture
