#include "setup/picture/animation_loop.h"

namespace picture {

namespace {

void Dispose(AnimationHost& host, const GifFrameInfo& frame) {
    if (frame.disposal == kDisposeToBackground) {
        host.FillBackground(frame.rect);
    } else if (frame.disposal == kDisposeToPrevious && host.HasSavedArea()) {
        host.RestoreArea(frame.rect);
    }
}

}  // namespace

void RunAnimation(AnimationHost& host, std::uint32_t& currentFrame) {
    const std::size_t count = host.FrameCount();
    if (count == 0) return;
    if (currentFrame >= count) currentFrame = 0;

    host.FillCanvas();
    Dispose(host, host.Frame(currentFrame));  // left over from a run that was stopped

    while (!host.ExitRequested()) {
        const GifFrameInfo& frame = host.Frame(currentFrame);
        if (frame.disposal == kDisposeToPrevious) host.SaveArea(frame.rect);
        if (host.RenderFrame(currentFrame)) host.Invalidate();
        if (host.ExitRequested()) return;
        host.Wait(FrameWaitMs(frame.delay));
        if (host.ExitRequested()) return;
        Dispose(host, frame);

        if (++currentFrame >= count) {
            currentFrame = 0;
            host.FillCanvas();
        }
    }
}

}  // namespace picture
