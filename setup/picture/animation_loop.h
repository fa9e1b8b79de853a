#pragma once
// The frame loop of an animation, written against the few canvas operations it
// needs so that its order of drawing, waiting and disposing is testable anywhere.
#include "setup/picture/gif_frames.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace picture {

// How long a frame stays: delays under 5 hundredths (or none) play as 100 ms.
constexpr std::uint32_t FrameWaitMs(std::optional<std::uint32_t> delay) noexcept {
    return (delay && *delay >= 5) ? *delay * 10 : 100;
}

inline constexpr std::int32_t kDisposeToBackground = 2;
inline constexpr std::int32_t kDisposeToPrevious = 3;

class AnimationHost {
public:
    virtual std::size_t FrameCount() const = 0;
    virtual const GifFrameInfo& Frame(std::size_t index) const = 0;
    virtual bool ExitRequested() const = 0;

    virtual void FillCanvas() = 0;                          // whole canvas, background colour
    virtual void FillBackground(const FrameRect& rect) = 0;
    virtual void SaveArea(const FrameRect& rect) = 0;       // may fail: then nothing is saved
    virtual bool HasSavedArea() const = 0;
    virtual void RestoreArea(const FrameRect& rect) = 0;    // copies the saved area back and drops it
    virtual bool RenderFrame(std::size_t index) = 0;
    virtual void Invalidate() = 0;
    virtual void Wait(std::uint32_t ms) = 0;                // returns early when a stop is signalled

protected:
    ~AnimationHost() = default;
};

// Plays from `currentFrame` until an exit is requested. A stop never advances
// past the frame on show, so a later run resumes there, first finishing that
// frame's disposal.
void RunAnimation(AnimationHost& host, std::uint32_t& currentFrame);

}  // namespace picture
