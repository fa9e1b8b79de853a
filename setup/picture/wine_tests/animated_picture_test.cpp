// The animated picture control under Wine: loading, playing, stopping and the
// canvas it composes, read back pixel by pixel.
#include "setup/picture/animated_picture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "framework/app.h"
#include "setup/picture/gif_frames.h"
#include "setup/picture/memory_canvas.h"
#include "setup/picture/picture_decoder.h"
#include "setup/picture/test_support/gif_test_builder.h"
#include "tests/support/message_pump.h"

// The control's seams: its decoder, how its animation thread is let run, and its stop event.
struct AnimatedPictureTestAccess {
    static void UseResume(CAnimatedPicture& p, DWORD(WINAPI* resume)(HANDLE)) { p.m_resumeThread = resume; }
    static void LoseStopEvent(CAnimatedPicture& p) { p.m_playback->stopEvent.reset(); }
    // nullptr puts back the OLE decoder.
    static void UseDecoder(CAnimatedPicture& p, picture::PictureDecoder decoder) {
        p.m_decoder = decoder != nullptr ? decoder : picture::OlePictureDecoder;
    }
    // Who holds the playback state: the control, and a thread that runs or was left.
    static long PlaybackOwners(const CAnimatedPicture& p) { return p.m_playback.use_count(); }
};

namespace {

using Access = AnimatedPictureTestAccess;
using picture::testing::GifBuilder;
using Clock = std::chrono::steady_clock;

constexpr COLORREF kCanvasBackground = RGB(241, 241, 241);
// Generous: the animation's own timing is measured by its benchmark, not here.
using testpump::kPatienceMs;
using testpump::WaitUntil;  // the control draws on its own thread: nothing to pump
// The card's light in resource 246 from frame 10 on.
constexpr COLORREF kFrame10Light = RGB(0x38, 0xD3, 0x6B);

std::atomic<int> g_resumes{0};
DWORD WINAPI CountedResume(HANDLE thread) {
    ++g_resumes;
    return ResumeThread(thread);
}
DWORD WINAPI RefusedResume(HANDLE) {
    ++g_resumes;
    return static_cast<DWORD>(-1);
}

long long MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

HGLOBAL ToGlobal(const std::vector<std::uint8_t>& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    return memory;
}

// A 24-bit BMP file of one colour.
std::vector<std::uint8_t> SolidBmp(int width, int height, COLORREF colour) {
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> file(54 + static_cast<std::size_t>(stride) * height);
    auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(&file[at], &v, 4); };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = &file[54 + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3];
            p[0] = GetBValue(colour);
            p[1] = GetGValue(colour);
            p[2] = GetRValue(colour);
        }
    }
    return file;
}

// The program's own animation, as linked into this test.
std::vector<std::uint8_t> Resource246() {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(246), L"GIF");
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, found)));
    return data ? std::vector<std::uint8_t>(data, data + SizeofResource(nullptr, found)) : std::vector<std::uint8_t>{};
}

// A stream decoded and drawn at its own size: that size and its pixels, top-down.
struct Drawn {
    SIZE size{0, 0};
    std::vector<std::uint32_t> pixels;
};
Drawn DecodeAndDraw(const std::vector<std::uint8_t>& stream) {
    Drawn out;
    auto picture = picture::DecodeOwned(picture::OlePictureDecoder, ToGlobal(stream), static_cast<LONG>(stream.size()));
    if (!picture) return out;
    HDC screen = GetDC(nullptr);
    out.size = picture::PixelSize(picture.Get(), screen);
    picture::MemoryCanvas canvas;
    if (canvas.Create(screen, out.size.cx, out.size.cy)) {
        const RECT all{0, 0, out.size.cx, out.size.cy};
        picture::FillWithColour(canvas.Dc(), all, kCanvasBackground);
        picture::RenderPicture(picture.Get(), canvas.Dc(), all);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), out.size.cx, -out.size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        out.pixels.resize(static_cast<std::size_t>(out.size.cx) * out.size.cy);
        GetDIBits(canvas.Dc(), static_cast<HBITMAP>(GetCurrentObject(canvas.Dc(), OBJ_BITMAP)), 0,
                  static_cast<UINT>(out.size.cy), out.pixels.data(), &info, DIB_RGB_COLORS);
    }
    ReleaseDC(nullptr, screen);
    return out;
}

// A hidden parent holding a static control 1178 bound to the picture.
class PictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
        HWND control = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 188, 203, 333, 47,
                                       parent_, reinterpret_cast<HMENU>(1178), nullptr, nullptr);
        ASSERT_TRUE(picture_.SubclassWindow(control));
        picture_.m_centerInMainWindow = 0;
    }
    void TearDown() override {
        picture_.ReleaseAll();
        if (parent_ != nullptr) DestroyWindow(parent_);
    }

    int Load(const std::vector<std::uint8_t>& bytes) {
        HGLOBAL memory = ToGlobal(bytes);
        const int result = picture_.LoadFromMemory(memory, static_cast<DWORD>(bytes.size()));
        GlobalFree(memory);  // the control keeps nothing of the source
        return result;
    }

    HWND parent_ = nullptr;
    CAnimatedPicture picture_;
};

TEST_F(PictureTest, Resource246LoadsFifteenFramesOnA315x83Canvas) {
    ASSERT_EQ(picture_.LoadFromResource(), 1);
    ASSERT_EQ(picture_.FrameCount(), 15u);
    EXPECT_EQ(picture_.PictureSize().cx, 315);
    EXPECT_EQ(picture_.PictureSize().cy, 83);
    RECT rect{};
    GetWindowRect(picture_.m_hWnd, &rect);
    EXPECT_EQ(rect.right - rect.left, 315);
    EXPECT_EQ(rect.bottom - rect.top, 83);

    const std::vector<std::uint32_t> delays = {50, 15, 15, 15, 15, 15, 15, 15, 15, 15, 200, 10, 10, 10, 50};
    std::uint32_t cycle = 0;
    for (std::size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(picture_.FrameInfo(i).delay, delays[i]) << i;
        EXPECT_EQ(picture_.FrameInfo(i).disposal, 1) << i;
        cycle += picture::FrameWaitMs(picture_.FrameInfo(i).delay);
    }
    EXPECT_EQ(cycle, 4650u);
    EXPECT_EQ(picture_.FrameInfo(0).rect, (picture::FrameRect{0, 0, 315, 83}));
    // Before playing, the canvas shows the menu colour.
    EXPECT_EQ(picture_.CanvasPixel(5, 5), GetSysColor(COLOR_MENU));
}

TEST_F(PictureTest, EachFrameOf246DecodesToExactlyItsFrame) {
    // How big a decoder makes a GIF whose image is smaller than its screen is
    // not settled: Wine's makes it the image's size, older ones the screen's.
    // Each frame stream's screen is the frame itself, so both agree; and where
    // the decoder sizes by the image, it draws what the source's layout draws.
    const std::vector<std::uint8_t> gif = Resource246();
    const auto screen = picture::ReadScreen(gif);
    ASSERT_TRUE(screen.has_value());
    picture::GifWalk walk(gif, *screen);
    int frames = 0, smaller = 0, screenSized = 0;
    while (auto cut = walk.ExtractFrameStream()) {
        const picture::FrameRect r = cut->info.rect;
        std::vector<std::uint8_t> stream(picture::FrameStreamLength(*screen, *cut));
        ASSERT_TRUE(picture::WriteFrameStream(gif, *screen, *cut, stream));
        // As the source lays the frame out: its screen, the image at its offset.
        std::vector<std::uint8_t> source(gif.begin(), gif.begin() + static_cast<long>(screen->FirstBlock()));
        source.insert(source.end(), gif.begin() + static_cast<long>(cut->start), gif.begin() + static_cast<long>(cut->end));
        source.push_back(0x3B);

        const Drawn mended = DecodeAndDraw(stream), original = DecodeAndDraw(source);
        EXPECT_EQ(mended.size.cx, r.width) << "frame " << frames;
        EXPECT_EQ(mended.size.cy, r.height) << "frame " << frames;
        if (original.size.cx == r.width && original.size.cy == r.height) {
            EXPECT_EQ(mended.pixels, original.pixels) << "frame " << frames;
        } else {
            ++screenSized;
        }
        smaller += r.width < screen->width || r.height < screen->height;
        ++frames;
    }
    EXPECT_EQ(frames, 15);
    EXPECT_EQ(smaller, 14);
    std::printf("this decoder sizes %d of %d sub-image frames by the logical screen\n", screenSized, smaller);
}

TEST_F(PictureTest, PlayBeforeAnyLoadDoesNothing) {
    EXPECT_EQ(picture_.Play(), 0);
    EXPECT_FALSE(picture_.IsAnimating());
    EXPECT_EQ(Load({'G', 'I', 'F', '8'}), 0);  // too short for a screen descriptor
    EXPECT_EQ(Load(GifBuilder(8, 8, 2).Trailer().bytes), 0);
    EXPECT_EQ(picture_.Play(), 0);
}

TEST_F(PictureTest, StillPicturesRenderOnceAndReturnOne) {
    const COLORREF teal = RGB(0, 128, 128);
    ASSERT_EQ(Load(SolidBmp(40, 30, teal)), 1);
    EXPECT_EQ(picture_.FrameCount(), 0u);
    EXPECT_EQ(picture_.PictureSize().cx, 40);
    EXPECT_EQ(picture_.PictureSize().cy, 30);
    EXPECT_EQ(picture_.Play(), 1);
    EXPECT_FALSE(picture_.IsAnimating());
    EXPECT_EQ(picture_.CanvasPixel(20, 15), teal);

    // A one-frame GIF is a still picture of the logical screen's size, even
    // when its image is smaller; the image draws where the GIF puts it and the
    // rest of the screen stays background, whichever way the decoder sizes it.
    const std::vector<std::uint32_t> palette = {0xFF0000, 0x0000FF};
    const COLORREF blue = RGB(0, 0, 255);
    struct Row {
        const char* what;
        picture::FrameRect image;
        std::vector<POINT> drawn, background;
    };
    const Row rows[] = {
        {"smaller, at the origin", {0, 0, 10, 6}, {{3, 3}, {9, 5}}, {{10, 5}, {9, 6}, {23, 11}}},
        {"offset", {10, 5, 6, 4}, {{10, 5}, {15, 8}}, {{0, 0}, {9, 5}, {10, 4}, {16, 8}, {15, 9}}},
        {"across the right and bottom edges", {20, 8, 8, 8}, {{20, 8}, {23, 11}}, {{0, 0}, {19, 8}, {20, 7}}},
        {"beyond the right edge", {24, 0, 4, 4}, {}, {{0, 0}, {23, 0}, {23, 11}}},
        {"below the bottom edge", {0, 12, 4, 4}, {}, {{0, 0}, {0, 11}, {23, 11}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const picture::FrameRect& r = row.image;
        ASSERT_EQ(Load(GifBuilder(24, 12, 1, palette).Application().GraphicControl(30)
                           .Image(r.left, r.top, r.width, r.height, 1).Trailer().bytes),
                  1);
        EXPECT_EQ(picture_.FrameCount(), 0u);
        EXPECT_EQ(picture_.PictureSize().cx, 24);
        EXPECT_EQ(picture_.PictureSize().cy, 12);
        EXPECT_EQ(picture_.Play(), 1);  // an image off the screen still leaves a picture: its background
        for (const POINT& p : row.drawn) EXPECT_EQ(picture_.CanvasPixel(p.x, p.y), blue) << p.x << "," << p.y;
        for (const POINT& p : row.background) {
            EXPECT_EQ(picture_.CanvasPixel(p.x, p.y), kCanvasBackground) << p.x << "," << p.y;
        }
    }
}

TEST_F(PictureTest, AnimationStartsOneThreadAndPlayReturnsZero) {
    g_resumes = 0;
    Access::UseResume(picture_, CountedResume);
    ASSERT_EQ(picture_.LoadFromResource(), 1);
    EXPECT_EQ(picture_.Play(), 0);
    EXPECT_TRUE(picture_.IsAnimating());
    EXPECT_EQ(picture_.Play(), 0);
    EXPECT_EQ(g_resumes.load(), 1);  // the second Play started no second thread
    ASSERT_TRUE(WaitUntil([&] { return picture_.ShownFrame() >= 1; }, kPatienceMs));
}

TEST_F(PictureTest, WithoutItsStopEventNothingPlays) {
    g_resumes = 0;
    Access::UseResume(picture_, CountedResume);
    ASSERT_EQ(picture_.LoadFromResource(), 1);
    Access::LoseStopEvent(picture_);
    EXPECT_EQ(picture_.Play(), 0);
    EXPECT_FALSE(picture_.IsAnimating());
    EXPECT_EQ(g_resumes.load(), 0);
    EXPECT_EQ(Access::PlaybackOwners(picture_), 1);
}

TEST_F(PictureTest, AThreadThatCannotBeResumedLeavesNothingBehind) {
    g_resumes = 0;
    Access::UseResume(picture_, RefusedResume);
    ASSERT_EQ(picture_.LoadFromResource(), 1);
    EXPECT_EQ(picture_.Play(), 0);
    EXPECT_EQ(g_resumes.load(), 1);
    // The thread's reference is freed, and the next stop has no thread to wait
    // for: one that waited in vain would give up and leave the control empty.
    EXPECT_FALSE(picture_.IsAnimating());
    EXPECT_EQ(Access::PlaybackOwners(picture_), 1);
    DestroyWindow(picture_.m_hWnd);
    EXPECT_EQ(picture_.FrameCount(), 15u);

    // The next Play starts a thread that runs.
    Access::UseResume(picture_, CountedResume);
    EXPECT_EQ(picture_.Play(), 0);
    EXPECT_TRUE(picture_.IsAnimating());
    EXPECT_TRUE(WaitUntil([&] { return picture_.ShownFrame() >= 1; }, kPatienceMs));
}

TEST_F(PictureTest, StopCutsAFrameDelayShortWithoutAdvancing) {
    // The second frame waits 655 s: a stop that waited for it would give the
    // thread up after 5 s and leave the control empty.
    ASSERT_EQ(Load(GifBuilder(8, 8).GraphicControl(10).Image(0, 0, 8, 8).GraphicControl(65535).Image(0, 0, 4, 4)
                       .Trailer().bytes),
              1);
    picture_.Play();
    ASSERT_TRUE(WaitUntil([&] { return picture_.ShownFrame() == 1; }, kPatienceMs));
    DestroyWindow(picture_.m_hWnd);  // OnDestroy stops the thread
    EXPECT_FALSE(picture_.IsAnimating());
    EXPECT_EQ(picture_.FrameCount(), 2u);
    EXPECT_EQ(picture_.CurrentFrame(), 1u);
}

TEST_F(PictureTest, StopInTheLongFrameResumesThere) {
    ASSERT_EQ(picture_.LoadFromResource(), 1);
    picture_.Play();
    ASSERT_TRUE(WaitUntil([&] { return picture_.ShownFrame() == 10; }, kPatienceMs));  // the 2000 ms frame
    DestroyWindow(picture_.m_hWnd);  // OnDestroy stops the thread
    EXPECT_FALSE(picture_.IsAnimating());
    ASSERT_EQ(picture_.CurrentFrame(), 10u);
    EXPECT_EQ(picture_.FrameCount(), 15u);  // frames and canvas survive
    EXPECT_TRUE(picture_.IsCanvasReady());

    // Playing again clears the canvas and draws frame 10 (the card's light turns
    // green) first: the driver box that frame 0 draws is gone, the light is back.
    EXPECT_EQ(picture_.Play(), 0);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return picture_.CanvasPixel(40, 60) == kCanvasBackground && picture_.CanvasPixel(250, 40) == kFrame10Light;
        },
        kPatienceMs));
    EXPECT_EQ(picture_.ShownFrame(), 10u);
    picture_.ReleaseAll();
}

TEST_F(PictureTest, DisposalToBackgroundAndToPrevious) {
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0), white = RGB(255, 255, 255);
    const std::vector<std::uint32_t> palette = {0xFF0000, 0x0000FF, 0x00FF00, 0xFFFFFF};
    const auto gif = GifBuilder(20, 10, 2, palette)
                         .GraphicControl(10, 1).Image(0, 0, 20, 10, 0)   // red everywhere
                         .GraphicControl(10, 2).Image(2, 2, 4, 4, 1)     // blue, then background
                         .GraphicControl(100, 3).Image(10, 2, 4, 4, 2)   // green, then what was under it
                         .GraphicControl(150, 1).Image(19, 9, 1, 1, 3)   // white dot
                         .Trailer().bytes;
    ASSERT_EQ(Load(gif), 1);
    ASSERT_EQ(picture_.FrameCount(), 4u);
    picture_.Play();
    ASSERT_TRUE(WaitUntil([&] { return picture_.CanvasPixel(11, 3) == green; }, kPatienceMs));
    EXPECT_EQ(picture_.CanvasPixel(3, 3), kCanvasBackground);
    EXPECT_EQ(picture_.CanvasPixel(0, 0), red);
    ASSERT_TRUE(WaitUntil([&] { return picture_.CanvasPixel(19, 9) == white; }, kPatienceMs));
    EXPECT_EQ(picture_.CanvasPixel(11, 3), red);
    EXPECT_EQ(picture_.CanvasPixel(3, 3), kCanvasBackground);
    EXPECT_EQ(picture_.CanvasPixel(0, 0), red);
}

TEST_F(PictureTest, ReleaseAllThenLoadAgainStartsEmpty) {
    ASSERT_EQ(picture_.LoadFromResource(), 1);
    picture_.Play();
    ASSERT_TRUE(WaitUntil([&] { return picture_.ShownFrame() >= 2; }, kPatienceMs));
    picture_.ReleaseAll();
    EXPECT_EQ(picture_.CurrentFrame(), 0u);
    EXPECT_FALSE(picture_.IsAnimating());
    EXPECT_EQ(picture_.FrameCount(), 0u);
    EXPECT_FALSE(picture_.IsCanvasReady());
    EXPECT_EQ(picture_.Play(), 0);

    ASSERT_EQ(Load(SolidBmp(8, 8, RGB(10, 20, 30))), 1);
    EXPECT_EQ(picture_.FrameCount(), 0u);
    EXPECT_EQ(picture_.Play(), 1);
    ASSERT_EQ(picture_.LoadFromResource(), 1);
    EXPECT_EQ(picture_.FrameCount(), 15u);
    EXPECT_EQ(picture_.CurrentFrame(), 0u);
}

TEST_F(PictureTest, DamagedFramesAreLeftOut) {
    const auto good = GifBuilder(8, 8).GraphicControl(10).Image(0, 0, 8, 8).GraphicControl(10).Image(0, 0, 4, 4)
                          .GraphicControl(10).Image(0, 0, 8, 8).Trailer().bytes;
    // Cut inside the third frame: the first two remain.
    ASSERT_EQ(Load(std::vector<std::uint8_t>(good.begin(), good.end() - 10)), 1);
    EXPECT_EQ(picture_.FrameCount(), 2u);
}

int g_decodeCalls = 0;

// The OLE decoder, but every second frame is rejected.
HRESULT RejectEverySecond(IStream* stream, LONG size, IPicture** out) {
    if (++g_decodeCalls % 2 == 0) return E_FAIL;
    return picture::OlePictureDecoder(stream, size, out);
}

TEST_F(PictureTest, FramesTheDecoderRejectsAreDropped) {
    g_decodeCalls = 0;
    Access::UseDecoder(picture_, RejectEverySecond);
    ASSERT_EQ(Load(GifBuilder(8, 8).GraphicControl(10).Image(0, 0, 8, 8).GraphicControl(20).Image(0, 0, 4, 4)
                       .GraphicControl(30).Image(0, 0, 8, 8).Trailer().bytes),
              1);
    ASSERT_EQ(picture_.FrameCount(), 2u);
    EXPECT_EQ(picture_.FrameInfo(0).delay, 10u);
    EXPECT_EQ(picture_.FrameInfo(1).delay, 30u);

    // Only one frame decodes: that frame is the picture, drawn where the GIF puts it.
    g_decodeCalls = 0;
    const std::vector<std::uint32_t> palette = {0xFF0000, 0x0000FF};
    ASSERT_EQ(Load(GifBuilder(8, 8, 1, palette).GraphicControl(10).Image(2, 3, 4, 4, 1).GraphicControl(20)
                       .Image(0, 0, 8, 8, 0).Trailer().bytes),
              1);
    EXPECT_EQ(picture_.Play(), 1);
    EXPECT_FALSE(picture_.IsAnimating());
    EXPECT_EQ(picture_.CanvasPixel(2, 3), RGB(0, 0, 255));
    EXPECT_EQ(picture_.CanvasPixel(5, 6), RGB(0, 0, 255));
    EXPECT_EQ(picture_.CanvasPixel(1, 3), kCanvasBackground);
    EXPECT_EQ(picture_.CanvasPixel(6, 6), kCanvasBackground);
}

// A picture whose drawing blocks until released, standing in for a renderer
// that hangs; counts live objects.
std::atomic<int> g_livePictures{0};
HANDLE g_renderGate = nullptr;
std::atomic<int> g_blockedRenders{0};

class StuckPicture final : public IPicture {
public:
    StuckPicture() { ++g_livePictures; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refs_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const long left = --refs_;
        if (left == 0) {
            --g_livePictures;
            delete this;
        }
        return static_cast<ULONG>(left);
    }
    HRESULT STDMETHODCALLTYPE get_Handle(OLE_HANDLE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_hPal(OLE_HANDLE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Type(SHORT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Width(OLE_XSIZE_HIMETRIC* w) override {
        *w = 100;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Height(OLE_YSIZE_HIMETRIC* h) override {
        *h = 100;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Render(HDC, LONG, LONG, LONG, LONG, OLE_XPOS_HIMETRIC, OLE_YPOS_HIMETRIC,
                                     OLE_XSIZE_HIMETRIC, OLE_YSIZE_HIMETRIC, LPCRECT) override {
        ++g_blockedRenders;
        WaitForSingleObject(g_renderGate, INFINITE);
        --g_blockedRenders;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE set_hPal(OLE_HANDLE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CurDC(HDC*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SelectPicture(HDC, HDC*, OLE_HANDLE*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_KeepOriginalFormat(BOOL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_KeepOriginalFormat(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE PictureChanged() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SaveAsFile(LPSTREAM, BOOL, LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Attributes(DWORD*) override { return E_NOTIMPL; }

private:
    ~StuckPicture() = default;
    std::atomic<long> refs_{1};
};

HRESULT StuckDecoder(IStream*, LONG, IPicture** out) {
    *out = new StuckPicture();
    return S_OK;
}

TEST_F(PictureTest, AThreadThatWillNotStopKeepsWhatItUses) {
    g_renderGate = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    Access::UseDecoder(picture_, StuckDecoder);
    ASSERT_EQ(Load(GifBuilder(8, 8).GraphicControl(10).Image(0, 0, 8, 8).GraphicControl(10).Image(0, 0, 8, 8)
                       .Trailer().bytes),
              1);
    ASSERT_EQ(g_livePictures.load(), 2);
    picture_.Play();
    ASSERT_TRUE(WaitUntil([&] { return picture_.ShownFrame() == 0 && picture_.IsAnimating(); }, kPatienceMs));
    ASSERT_TRUE(WaitUntil([] { return g_blockedRenders > 0; }, kPatienceMs));  // inside the blocked Render

    // A paint does not hang on the canvas the stuck step holds.
    auto start = Clock::now();
    SendMessageW(picture_.m_hWnd, WM_PAINT, 0, 0);
    EXPECT_LT(MsSince(start), 5000);  // catches a paint that waits for the step

    start = Clock::now();
    picture_.ReleaseAll();
    const long long waited = MsSince(start);
    EXPECT_GE(waited, 4900);
    EXPECT_LT(waited, 20000);  // it gives up: the bound only catches a wait without end
    // The control is empty, but the thread's frames are still alive.
    EXPECT_FALSE(picture_.IsAnimating());
    EXPECT_EQ(picture_.FrameCount(), 0u);
    EXPECT_EQ(picture_.Play(), 0);
    EXPECT_EQ(g_livePictures.load(), 2);

    // Once the renderer returns, the thread sees its stop request, ends, and
    // takes the frames with it.
    SetEvent(g_renderGate);
    EXPECT_TRUE(WaitUntil([] { return g_livePictures.load() == 0; }, kPatienceMs));
    CloseHandle(g_renderGate);
    g_renderGate = nullptr;

    // The control works normally afterwards.
    Access::UseDecoder(picture_, nullptr);
    ASSERT_EQ(picture_.LoadFromResource(), 1);
    EXPECT_EQ(picture_.FrameCount(), 15u);
}

}  // namespace

namespace {

// Paints through WM_PAINT on screen and reads the control's pixels back.
COLORREF ScreenPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

TEST(PicturePaint, CopiesTheCanvasAtTheOriginOrCentredOnTheMainWindow) {
    // Main window 76 wide: (76 / 2) - (41 / 2) - 8 puts a 41-pixel canvas at x 10
    // (each half rounds down on its own; halving the difference would give 9).
    HWND main = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 76, 60, nullptr,
                                nullptr, nullptr, nullptr);
    ASSERT_NE(main, nullptr);
    CWinApp app;
    CWnd mainWnd;
    mainWnd.m_hWnd = main;  // wrapped, not subclassed
    app.m_pMainWnd = &mainWnd;

    HWND control = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 0, 0, 40, 30, main,
                                   reinterpret_cast<HMENU>(1178), nullptr, nullptr);
    CAnimatedPicture picture;
    ASSERT_TRUE(picture.SubclassWindow(control));
    const COLORREF teal = RGB(0, 128, 128);
    const auto bmp = SolidBmp(41, 30, teal);
    HGLOBAL memory = ToGlobal(bmp);
    ASSERT_EQ(picture.LoadFromMemory(memory, static_cast<DWORD>(bmp.size())), 1);
    GlobalFree(memory);
    ASSERT_EQ(picture.Play(), 1);

    picture.m_centerInMainWindow = 1;
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_NE(ScreenPixel(control, 5, 5), teal);
    EXPECT_NE(ScreenPixel(control, 9, 5), teal);
    EXPECT_EQ(ScreenPixel(control, 10, 5), teal);
    EXPECT_EQ(ScreenPixel(control, 39, 29), teal);

    picture.m_centerInMainWindow = 0;
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(ScreenPixel(control, 0, 0), teal);
    EXPECT_EQ(ScreenPixel(control, 5, 5), teal);

    app.m_pMainWnd = nullptr;
    DestroyWindow(main);
}

}  // namespace
