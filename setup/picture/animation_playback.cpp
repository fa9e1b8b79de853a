#include "setup/picture/animation_playback.h"

#include "setup/picture/picture_decoder.h"

namespace picture {

RECT ToRect(const FrameRect& r) noexcept {
    return RECT{r.left, r.top, r.left + r.width, r.top + r.height};
}

AnimationPlayback::AnimationPlayback() : stopEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

void AnimationPlayback::Run() {
    isPlaying.store(1);
    RunAnimation(*this, currentFrame);
    isPlaying.store(0);
}

void AnimationPlayback::FillCanvas() {
    CanvasHold hold(canvasLock);
    if (canvas) FillWithColour(canvas.Dc(), RECT{0, 0, canvasSize.cx, canvasSize.cy}, backgroundColor);
}

void AnimationPlayback::FillBackground(const FrameRect& rect) {
    CanvasHold hold(canvasLock);
    if (canvas) FillWithColour(canvas.Dc(), ToRect(rect), backgroundColor);
}

void AnimationPlayback::SaveArea(const FrameRect& rect) {
    CanvasHold hold(canvasLock);
    if (!canvas || !saved.Create(canvas.Dc(), rect.width, rect.height)) return;
    BitBlt(saved.Dc(), 0, 0, rect.width, rect.height, canvas.Dc(), rect.left, rect.top, SRCCOPY);
}

void AnimationPlayback::RestoreArea(const FrameRect& rect) {
    CanvasHold hold(canvasLock);
    if (canvas) BitBlt(canvas.Dc(), rect.left, rect.top, rect.width, rect.height, saved.Dc(), 0, 0, SRCCOPY);
    saved.Reset();
}

bool AnimationPlayback::RenderFrame(std::size_t index) {
    const GifFrame& frame = frames[index];
    if (!frame.picture) return false;
    shownFrame.store(static_cast<std::uint32_t>(index));
    CanvasHold hold(canvasLock);
    return canvas && RenderPicture(frame.picture.Get(), canvas.Dc(), ToRect(frame.info.rect));
}

void AnimationPlayback::Invalidate() {
    if (HWND w = window.load()) InvalidateRect(w, nullptr, FALSE);
}

void AnimationPlayback::Wait(std::uint32_t ms) {
    WaitForSingleObject(stopEvent.get(), ms);
}

}  // namespace picture
