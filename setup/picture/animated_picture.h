#pragma once
// CAnimatedPicture: a static control that shows a picture and plays an animated
// GIF on a thread of its own, composing each frame in an off-screen canvas that
// the paint copies to the window.
#include <windows.h>
#include <ocidl.h>

#include <cstdint>
#include <memory>

#include "framework/com_ptr.h"
#include "framework/controls.h"
#include "framework/unique_handle.h"
#include "setup/picture/animation_playback.h"
#include "setup/picture/picture_decoder.h"
#include "setup/res/resource_ids.h"

class CAnimatedPicture : public CStatic {
public:
    static constexpr UINT kResourceId = IDR_INSTALL_GIF;
    static constexpr const wchar_t* kResourceType = L"GIF";
    // How long a stop waits for the animation thread before leaving it behind.
    static constexpr DWORD kStopTimeoutMs = 5000;

    CAnimatedPicture();
    ~CAnimatedPicture() override;
    CAnimatedPicture(const CAnimatedPicture&) = delete;
    CAnimatedPicture& operator=(const CAnimatedPicture&) = delete;

    // Loads the program's installing animation (GIF resource kResourceId).
    int LoadFromResource();
    // Loads a GIF (animated or still) or any picture OLE can decode; the memory
    // stays the caller's. 1 when a picture is ready to show.
    int LoadFromMemory(HGLOBAL memory, DWORD size);
    int CreateCanvas(int width, int height);
    // Renders a still picture (1) or starts the animation thread (0).
    int Play();
    // Stops the animation and drops everything loaded.
    void ReleaseAll();

    // Paint the canvas centred on the main window instead of at the origin.
    BYTE m_centerInMainWindow = 1;

    // What the control holds and shows.
    std::size_t FrameCount() const noexcept { return m_playback->frames.size(); }
    const picture::GifFrameInfo& FrameInfo(std::size_t index) const { return m_playback->frames.at(index).info; }
    // The frame the animation resumes at; read it only while no animation runs.
    std::uint32_t CurrentFrame() const noexcept { return m_playback->currentFrame; }
    std::uint32_t ShownFrame() const noexcept { return m_playback->shownFrame.load(); }
    SIZE PictureSize() const noexcept { return m_pictureSize; }
    bool IsAnimating() const noexcept { return static_cast<bool>(m_animationThread); }
    bool IsCanvasReady() const noexcept { return m_canvasReady != 0; }
    COLORREF CanvasPixel(int x, int y);

    BEGIN_MSG_MAP(CAnimatedPicture, CStatic)
        ON_WM_DESTROY()
        ON_WM_PAINT()
    END_MSG_MAP()

protected:
    void OnPaint();
    void OnDestroy();

private:
    static DWORD WINAPI AnimationThreadProc(LPVOID param);
    void StartAnimationThread();
    void Stop();
    bool LoadGif(picture::Bytes data, const picture::GifScreen& screen);
    void KeepOnlyFrameAsStill();
    bool LoadStill(HGLOBAL memory, DWORD size);

    // Shared with the animation thread; replaced when a thread is left behind.
    std::shared_ptr<picture::AnimationPlayback> m_playback;
    // Lets the suspended animation thread run (tests count or refuse it).
    DWORD(WINAPI* m_resumeThread)(HANDLE thread) = &::ResumeThread;
    fw::UniqueHandle m_animationThread;
    fw::ComPtr<IPicture> m_stillPicture;
    picture::FrameRect m_stillRect;  // where the still draws on the canvas
    picture::PictureDecoder m_decoder = picture::OlePictureDecoder;  // tests stand in their own
    SIZE m_pictureSize{0, 0};
    int m_isGif = 0;
    int m_canvasReady = 0;

    friend struct AnimatedPictureTestAccess;
};
