#include "setup/picture/animated_picture.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/app.h"
#include "framework/scope_exit.h"
#include "setup/picture/gif_frames.h"

using picture::AnimationPlayback;

namespace {

constexpr COLORREF kCanvasBackground = RGB(241, 241, 241);
constexpr COLORREF kEmptyBackground = RGB(255, 255, 255);

// Owns a global-memory lock for one scope. A guard of its own: the bytes are
// read through it, and the lock ends early once they are.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory) noexcept : memory_(memory), data_(GlobalLock(memory)) {}
    ~GlobalLockScope() { Unlock(); }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    const std::uint8_t* Data() const noexcept { return static_cast<const std::uint8_t*>(data_); }
    void Unlock() noexcept {
        if (data_ != nullptr) GlobalUnlock(memory_);
        data_ = nullptr;
    }

private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace

CAnimatedPicture::CAnimatedPicture() : m_playback(std::make_shared<AnimationPlayback>()) {}

CAnimatedPicture::~CAnimatedPicture() {
    ReleaseAll();
}

int CAnimatedPicture::LoadFromResource() {
    HMODULE module = AfxGetResourceHandle();
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(kResourceId), kResourceType);
    if (found == nullptr) return 0;
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) return 0;

    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE | GMEM_NODISCARD, size);
    if (copy == nullptr) return 0;
    const fw::ScopeExit freeCopy([copy] { GlobalFree(copy); });
    void* target = GlobalLock(copy);
    if (target == nullptr) return 0;
    std::memcpy(target, bytes, size);
    GlobalUnlock(copy);
    return LoadFromMemory(copy, size);
}

int CAnimatedPicture::LoadFromMemory(HGLOBAL memory, DWORD size) {
    ReleaseAll();
    GlobalLockScope lock(memory);
    if (lock.Data() == nullptr) return 0;
    // Never trust a count beyond the block itself.
    const std::size_t usable = std::min<std::size_t>(size, GlobalSize(memory));
    const picture::Bytes data(lock.Data(), usable);

    if (!picture::IsGif(data)) {
        lock.Unlock();
        if (!LoadStill(memory, static_cast<DWORD>(usable))) return 0;
    } else {
        m_isGif = 1;
        const auto screen = picture::ReadScreen(data);
        if (!screen) return 0;
        m_pictureSize = SIZE{screen->width, screen->height};
        // A one-image GIF too is decoded from its frame's own stream: decoded
        // whole, one decoder sizes it by its image and another by its screen.
        const bool any = LoadGif(data, *screen);
        lock.Unlock();
        if (!any) return 0;
        if (m_playback->frames.size() == 1) KeepOnlyFrameAsStill();
    }
    return CreateCanvas(m_pictureSize.cx, m_pictureSize.cy);
}

bool CAnimatedPicture::LoadStill(HGLOBAL memory, DWORD size) {
    m_stillPicture = picture::DecodeBorrowed(m_decoder, memory, static_cast<LONG>(size));
    if (!m_stillPicture) return false;
    CClientDC dc(this);
    if (dc.m_hDC == nullptr) return false;
    m_pictureSize = picture::PixelSize(m_stillPicture.Get(), dc);
    m_stillRect = picture::FrameRect{0, 0, m_pictureSize.cx, m_pictureSize.cy};
    return true;
}

// A GIF with one frame (its only image, or the only one the decoder took) is a
// still picture drawn where that frame lies: there is nothing to animate.
void CAnimatedPicture::KeepOnlyFrameAsStill() {
    picture::GifFrame& only = m_playback->frames.front();
    m_stillPicture = std::move(only.picture);
    m_stillRect = only.info.rect;
    m_playback->frames.clear();
}

bool CAnimatedPicture::LoadGif(picture::Bytes data, const picture::GifScreen& screen) {
    picture::GifWalk walk(data, screen);
    while (const auto cut = walk.ExtractFrameStream()) {
        const std::size_t length = picture::FrameStreamLength(screen, *cut);
        HGLOBAL stream = GlobalAlloc(GMEM_FIXED, length);
        if (stream == nullptr) break;  // as the walk would: the frames so far stay
        if (!picture::WriteFrameStream(data, screen, *cut,
                                       std::span<std::uint8_t>(static_cast<std::uint8_t*>(stream), length))) {
            GlobalFree(stream);
            break;
        }
        auto decoded = picture::DecodeOwned(m_decoder, stream, static_cast<LONG>(length));
        if (decoded) m_playback->frames.push_back(picture::GifFrame{std::move(decoded), cut->info});
    }
    return !m_playback->frames.empty();
}

int CAnimatedPicture::CreateCanvas(int width, int height) {
    SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    CClientDC dc(this);
    if (dc.m_hDC == nullptr) return 0;
    AnimationPlayback& play = *m_playback;
    picture::CanvasHold hold(play.canvasLock);
    if (!play.canvas.Create(dc, width, height)) return 0;
    play.canvasSize = SIZE{width, height};
    play.backgroundColor = kCanvasBackground;
    const RECT all{0, 0, width, height};
    FillRect(play.canvas.Dc(), &all, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_MENU + 1)));
    m_canvasReady = 1;
    return 1;
}

int CAnimatedPicture::Play() {
    if (!m_canvasReady) return 0;
    if (m_isGif && m_playback->frames.size() >= 2) {
        if (!m_animationThread) StartAnimationThread();
        return 0;
    }
    if (!m_stillPicture) return 0;
    AnimationPlayback& play = *m_playback;
    {
        picture::CanvasHold hold(play.canvasLock);
        const RECT area{0, 0, m_pictureSize.cx, m_pictureSize.cy};
        picture::FillWithColour(play.canvas.Dc(), area, play.backgroundColor);
        // The canvas is the screen: it clips what lies beyond, and a still
        // wholly beyond it leaves only the background, which is still a picture.
        if (picture::ShowsOnScreen(m_stillRect, m_pictureSize.cx, m_pictureSize.cy) &&
            !picture::RenderPicture(m_stillPicture.Get(), play.canvas.Dc(), picture::ToRect(m_stillRect))) {
            return 0;
        }
    }
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    return 1;
}

void CAnimatedPicture::StartAnimationThread() {
    // Without the stop event every frame's wait would return at once and the
    // thread would spin through the frames: do not play at all.
    if (!m_playback->stopEvent) return;
    m_playback->window.store(m_hWnd);
    // The thread holds its own reference to the playback state.
    auto shared = std::make_unique<std::shared_ptr<AnimationPlayback>>(m_playback);
    fw::UniqueHandle thread(CreateThread(nullptr, 0, AnimationThreadProc, shared.get(), CREATE_SUSPENDED, nullptr));
    if (!thread) return;
    if (m_resumeThread(thread.get()) == static_cast<DWORD>(-1)) {
        // It never ran: end it and keep its reference ours to free. Should even
        // that fail, leave the reference to it rather than free what it may use.
        if (!TerminateThread(thread.get(), 0) || WaitForSingleObject(thread.get(), kStopTimeoutMs) != WAIT_OBJECT_0) {
            (void)shared.release();
        }
        return;
    }
    (void)shared.release();  // the thread's now
    m_animationThread = std::move(thread);
}

DWORD WINAPI CAnimatedPicture::AnimationThreadProc(LPVOID param) {
    const std::unique_ptr<std::shared_ptr<AnimationPlayback>> shared(
        static_cast<std::shared_ptr<AnimationPlayback>*>(param));
    (*shared)->Run();
    return 0;
}

void CAnimatedPicture::Stop() {
    AnimationPlayback& play = *m_playback;
    play.isPlaying.store(0);
    play.exitRequested.store(1);
    SetEvent(play.stopEvent.get());
    if (m_animationThread) {
        const DWORD waited = WaitForSingleObject(m_animationThread.get(), kStopTimeoutMs);
        m_animationThread.reset();
        if (waited != WAIT_OBJECT_0) {
            // The thread is stuck in a step. Leave it the frames and canvas it may
            // still be drawing with (its reference frees them when it ends, its stop
            // request stays set) and go on with an empty control.
            play.window.store(nullptr);
            m_playback = std::make_shared<AnimationPlayback>();
            m_stillPicture.Reset();
            m_canvasReady = 0;
            m_isGif = 0;
            return;
        }
    }
    ResetEvent(play.stopEvent.get());
    play.exitRequested.store(0);
}

void CAnimatedPicture::ReleaseAll() {
    Stop();
    AnimationPlayback& play = *m_playback;
    m_stillPicture.Reset();
    m_stillRect = picture::FrameRect{};
    play.frames.clear();
    {
        picture::CanvasHold hold(play.canvasLock);
        play.canvas.Reset();
        play.canvasSize = SIZE{0, 0};
    }
    play.saved.Reset();
    m_canvasReady = 0;
    m_isGif = 0;
    play.exitRequested.store(0);
    play.backgroundColor = kEmptyBackground;
    play.currentFrame = 0;
    play.shownFrame.store(0);
    m_pictureSize = SIZE{0, 0};
}

void CAnimatedPicture::OnPaint() {
    CPaintDC dc(this);
    AnimationPlayback& play = *m_playback;
    picture::CanvasHold hold(play.canvasLock, AnimationPlayback::kPaintPatience);
    if (!hold.Held() || !play.canvas) return;
    int x = 0;
    if (m_centerInMainWindow) {
        CWinApp* app = AfxGetApp();
        CWnd* main = app != nullptr ? app->GetMainWnd() : nullptr;
        if (main != nullptr && main->m_hWnd != nullptr) {
            RECT frame{};
            main->GetWindowRect(&frame);
            x = (frame.right - frame.left) / 2 - m_pictureSize.cx / 2 - 8;
        }
    }
    ::BitBlt(dc.m_hDC, x, 0, m_pictureSize.cx, m_pictureSize.cy, play.canvas.Dc(), 0, 0, SRCCOPY);
}

void CAnimatedPicture::OnDestroy() {
    Stop();
    Default();
}

COLORREF CAnimatedPicture::CanvasPixel(int x, int y) {
    AnimationPlayback& play = *m_playback;
    picture::CanvasHold hold(play.canvasLock);
    return play.canvas ? GetPixel(play.canvas.Dc(), x, y) : CLR_INVALID;
}
