#include "setup/picture/gif_frames.h"

#include "setup/picture/test_support/gif_test_builder.h"

#include <gtest/gtest.h>

#include <vector>

namespace picture {
namespace {

using testing::GifBuilder;
using Vec = std::vector<std::uint8_t>;

GifScreen Screen(const Vec& data) {
    const auto screen = ReadScreen(data);
    EXPECT_TRUE(screen.has_value());
    return screen.value_or(GifScreen{});
}

std::vector<FrameCut> Cuts(const Vec& data) {
    GifWalk walk(data, Screen(data));
    std::vector<FrameCut> cuts;
    while (auto cut = walk.ExtractFrameStream()) cuts.push_back(*cut);
    return cuts;
}

Vec StreamOf(const Vec& data, const FrameCut& cut) {
    const GifScreen screen = Screen(data);
    Vec out(FrameStreamLength(screen, cut));
    EXPECT_TRUE(WriteFrameStream(data, screen, cut, out));
    return out;
}

TEST(GifScreen, ReadsSizeAndGlobalTable) {
    const Vec gif = GifBuilder(315, 83, 8).Trailer().bytes;
    const GifScreen screen = Screen(gif);
    EXPECT_EQ(screen.width, 315);
    EXPECT_EQ(screen.height, 83);
    EXPECT_EQ(screen.colourTableSize, 768u);
    EXPECT_EQ(screen.FirstBlock(), 781u);
    EXPECT_EQ(Screen(GifBuilder(4, 4, 0).Trailer().bytes).colourTableSize, 0u);
}

TEST(GifScreen, NeedsTheWholePrologue) {
    Vec gif = GifBuilder(4, 4, 0).bytes;
    EXPECT_TRUE(IsGif(Vec{'G', 'I', 'F'}));
    EXPECT_FALSE(IsGif(Vec{'G', 'I'}));
    EXPECT_FALSE(IsGif(Vec{'B', 'M', 'x', 'x'}));
    gif.resize(12);
    EXPECT_FALSE(ReadScreen(gif));
    EXPECT_FALSE(ReadScreen(Vec{}));
}

TEST(GifBlocks, KindFromFirstTwoBytes) {
    EXPECT_EQ(BlockKindAt(Vec{0x21, 0xFF}, 0), GifBlockKind::Application);
    EXPECT_EQ(BlockKindAt(Vec{0x21, 0xFE}, 0), GifBlockKind::Comment);
    EXPECT_EQ(BlockKindAt(Vec{0x21, 0xF9}, 0), GifBlockKind::GraphicControl);
    EXPECT_EQ(BlockKindAt(Vec{0x21, 0x01}, 0), GifBlockKind::PlainText);
    EXPECT_EQ(BlockKindAt(Vec{0x2C}, 0), GifBlockKind::Image);
    EXPECT_EQ(BlockKindAt(Vec{0x3B}, 0), GifBlockKind::Trailer);
    EXPECT_EQ(BlockKindAt(Vec{0x21, 0x02}, 0), GifBlockKind::Invalid);
    EXPECT_EQ(BlockKindAt(Vec{0x00}, 0), GifBlockKind::Invalid);
    EXPECT_EQ(BlockKindAt(Vec{0x21}, 0), GifBlockKind::Invalid);  // label byte missing
    EXPECT_EQ(BlockKindAt(Vec{0x3B}, 1), GifBlockKind::Invalid);  // past the end
}

TEST(GifBlocks, LengthOfEveryKind) {
    // Application: 14-byte header, then a chain of one 3-byte sub-block.
    EXPECT_EQ(BlockLength(GifBuilder(1, 1, 0).Application().bytes, 13), 14u + 4 + 1);
    // Comment of 300 bytes: sub-blocks of 255 and 45.
    EXPECT_EQ(BlockLength(GifBuilder(1, 1, 0).Comment(std::string(300, 'x')).bytes, 13), 2u + 256 + 46 + 1);
    EXPECT_EQ(BlockLength(GifBuilder(1, 1, 0).GraphicControl(7).bytes, 13), 8u);
    EXPECT_EQ(BlockLength(GifBuilder(1, 1, 0).PlainText("hi").bytes, 13), 15u + 3 + 1);
    EXPECT_EQ(BlockLength(Vec{0x3B}, 0), 1u);
    EXPECT_FALSE(BlockLength(Vec{0x21, 0x02, 0}, 0));

    // Image: 10-byte descriptor, LZW code size, local table of 2^(p&7+1) entries, chain.
    const Vec image = {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x00, 8, 2, 0xAA, 0xBB, 0};
    EXPECT_EQ(BlockLength(image, 0), 15u);
    Vec local = {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x81, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0};
    EXPECT_EQ(BlockLength(local, 0), 11u + 12 + 1);
}

TEST(GifBlocks, BlocksThatDoNotFitFail) {
    const Vec gce = GifBuilder(1, 1, 0).GraphicControl(7).bytes;
    for (std::size_t cut = 14; cut < gce.size(); ++cut) {
        EXPECT_FALSE(BlockLength(Vec(gce.begin(), gce.begin() + static_cast<long>(cut)), 13)) << cut;
    }
    const Vec whole = GifBuilder(1, 1, 0).Application().Comment("abc").PlainText("x").Image(0, 0, 1, 1, 0).bytes;
    // Every truncation of the application block fails, at its fixed part or its chain.
    for (std::size_t cut = 14; cut < 13 + 19; ++cut) {
        EXPECT_FALSE(BlockLength(Vec(whole.begin(), whole.begin() + static_cast<long>(cut)), 13)) << cut;
    }
    // Image descriptor cut inside its fixed part, and local table beyond the data.
    EXPECT_FALSE(BlockLength(Vec{0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x00}, 0));
    EXPECT_FALSE(BlockLength(Vec{0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0x87, 8, 0}, 0));
    // A chain whose length byte points past the end.
    EXPECT_FALSE(BlockLength(Vec{0x21, 0xFE, 5, 'a', 'b'}, 0));
}

TEST(GifFrames, AnimationFramesWithDelayDisposalAndRectangle) {
    const Vec gif = GifBuilder(20, 10, 2)
                        .Application()
                        .GraphicControl(50, 1).Image(0, 0, 20, 10)
                        .GraphicControl(4, 2).Image(3, 4, 5, 6)
                        .GraphicControl(200, 3).Image(1, 2, 3, 4)
                        .Trailer().bytes;
    EXPECT_EQ(CountFrames(gif, Screen(gif)), 3u);
    const auto cuts = Cuts(gif);
    ASSERT_EQ(cuts.size(), 3u);
    EXPECT_EQ(cuts[0].info.delay, 50u);
    EXPECT_EQ(cuts[0].info.disposal, 1);
    EXPECT_EQ(cuts[1].info.rect, (FrameRect{3, 4, 5, 6}));
    EXPECT_EQ(cuts[1].info.delay, 4u);
    EXPECT_EQ(cuts[1].info.disposal, 2);
    EXPECT_EQ(cuts[2].info.disposal, 3);
    EXPECT_EQ(cuts[2].info.rect, (FrameRect{1, 2, 3, 4}));
}

TEST(GifFrames, StreamIsPrologueFrameBlocksAndTrailer) {
    const Vec gif = GifBuilder(8, 8, 1).GraphicControl(10).Comment("c").Application().Image(0, 0, 2, 2)
                        .GraphicControl(10).Image(1, 1, 1, 1).Trailer().bytes;
    const auto cuts = Cuts(gif);
    ASSERT_EQ(cuts.size(), 2u);
    // The source's bytes: its prologue, the frame's own blocks (the comment and
    // application extension between the control block and the image travel with
    // the frame) and a trailer; but the logical screen is the frame's size and
    // the image sits at its origin, so every decoder sizes it alike.
    const std::size_t prologue = 13 + 6;
    for (const FrameCut& cut : cuts) {
        Vec want(gif.begin(), gif.begin() + prologue);
        want.insert(want.end(), gif.begin() + static_cast<long>(cut.start), gif.begin() + static_cast<long>(cut.end));
        want.push_back(0x3B);
        want[6] = static_cast<std::uint8_t>(cut.info.rect.width);
        want[8] = static_cast<std::uint8_t>(cut.info.rect.height);
        ASSERT_TRUE(cut.image.has_value());
        const std::size_t descriptor = prologue + (*cut.image - cut.start);
        want[descriptor + 1] = want[descriptor + 3] = 0;
        const Vec stream = StreamOf(gif, cut);
        EXPECT_EQ(stream, want);
        // Itself a one-frame GIF that fills its screen.
        EXPECT_EQ(CountFrames(stream, Screen(stream)), 1u);
        EXPECT_EQ(Cuts(stream).at(0).info.rect, (FrameRect{0, 0, cut.info.rect.width, cut.info.rect.height}));
    }
    EXPECT_EQ(cuts[0].start, prologue);
    EXPECT_EQ(cuts[1].start, cuts[0].end);
    EXPECT_EQ(cuts[1].info.rect, (FrameRect{1, 1, 1, 1}));

    Vec tooShort(StreamOf(gif, cuts[0]).size() - 1);
    EXPECT_FALSE(WriteFrameStream(gif, Screen(gif), cuts[0], tooShort));
}

TEST(GifFrames, FrameWithoutControlExtension) {
    const Vec gif = GifBuilder(8, 8).Comment("x").Image(1, 2, 3, 4).GraphicControl(9, 2).Image(0, 0, 1, 1)
                        .Trailer().bytes;
    const auto cuts = Cuts(gif);
    ASSERT_EQ(cuts.size(), 2u);
    EXPECT_FALSE(cuts[0].info.delay.has_value());
    EXPECT_EQ(cuts[0].info.disposal, 0);
    EXPECT_EQ(cuts[0].info.rect, (FrameRect{1, 2, 3, 4}));
    // Leading comment is skipped, not carried.
    EXPECT_EQ(BlockKindAt(gif, cuts[0].start), GifBlockKind::Image);
    EXPECT_EQ(cuts[1].info.delay, 9u);
}

TEST(GifFrames, ControlExtensionFieldsAndBlocksUpToTheImage) {
    // Packed bytes with the transparency, user-input and reserved bits set around the
    // disposal; a delay above 255 tests the byte order; a second control extension
    // before the image belongs to the same frame, and the first one's values count.
    const Vec gif = GifBuilder(8, 8)
                        .Raw({0x21, 0xF9, 4, 0xEF, 0x2C, 0x01, 0, 0})  // disposal 3, delay 300
                        .Raw({0x21, 0xF9, 4, 0x08, 9, 0, 0, 0})
                        .Image(0, 0, 2, 2)
                        .Raw({0x21, 0xF9, 4, 0x1D, 5, 0, 0, 0})        // disposal 7
                        .Image(0, 0, 1, 1)
                        .Trailer().bytes;
    EXPECT_EQ(CountFrames(gif, Screen(gif)), 2u);
    const auto cuts = Cuts(gif);
    ASSERT_EQ(cuts.size(), 2u);
    EXPECT_EQ(cuts[0].info.disposal, 3);
    EXPECT_EQ(cuts[0].info.delay, 300u);
    EXPECT_EQ(BlockKindAt(gif, cuts[0].start + 8), GifBlockKind::GraphicControl);  // carried in the stream
    EXPECT_EQ(cuts[1].info.disposal, 7);
    EXPECT_EQ(cuts[1].info.delay, 5u);

    // An unknown extension between the control block and the image ends the walk.
    const Vec broken = GifBuilder(8, 8).GraphicControl(10).Image(0, 0, 1, 1).GraphicControl(10)
                           .Raw({0x21, 0x77, 0}).Image(0, 0, 1, 1).Trailer().bytes;
    EXPECT_EQ(CountFrames(broken, Screen(broken)), 1u);
    EXPECT_EQ(Cuts(broken).size(), 1u);
}

TEST(GifFrames, PlainTextFrameCoversTheScreen) {
    const Vec gif = GifBuilder(30, 20).GraphicControl(7, 2).PlainText("hi").Image(0, 0, 1, 1).Trailer().bytes;
    const auto cuts = Cuts(gif);
    ASSERT_EQ(cuts.size(), 2u);
    EXPECT_EQ(cuts[0].info.rect, (FrameRect{0, 0, 30, 20}));
    EXPECT_EQ(cuts[0].info.delay, 7u);
}

TEST(GifFrames, TruncatedLastFrameKeepsTheCompleteOnes) {
    const Vec whole = GifBuilder(8, 8).GraphicControl(10).Image(0, 0, 8, 8).GraphicControl(10).Image(0, 0, 8, 8)
                          .GraphicControl(10).Image(0, 0, 8, 8).Trailer().bytes;
    const std::size_t thirdStart = Cuts(whole)[2].start;
    for (std::size_t size = thirdStart; size < whole.size() - 1; ++size) {
        const Vec cut(whole.begin(), whole.begin() + static_cast<long>(size));
        EXPECT_EQ(CountFrames(cut, Screen(cut)), 2u) << size;
        EXPECT_EQ(Cuts(cut).size(), 2u) << size;
    }
    // Only the trailer is missing: all three frames are complete.
    const Vec noTrailer(whole.begin(), whole.end() - 1);
    EXPECT_EQ(CountFrames(noTrailer, Screen(noTrailer)), 3u);
}

TEST(GifFrames, NothingToCut) {
    const Vec onlyTrailer = GifBuilder(8, 8, 8).Trailer().bytes;
    EXPECT_EQ(CountFrames(onlyTrailer, Screen(onlyTrailer)), 0u);
    EXPECT_TRUE(Cuts(onlyTrailer).empty());
    // A control extension followed by the trailer is no frame.
    const Vec dangling = GifBuilder(8, 8).GraphicControl(10).Trailer().bytes;
    EXPECT_EQ(CountFrames(dangling, Screen(dangling)), 0u);
    EXPECT_TRUE(Cuts(dangling).empty());
    // A colour table that runs past the data.
    Vec shortTable = GifBuilder(8, 8, 8).bytes;
    shortTable.resize(100);
    EXPECT_EQ(CountFrames(shortTable, Screen(shortTable)), 0u);
    EXPECT_TRUE(Cuts(shortTable).empty());
}

TEST(GifFrames, WhetherAFrameShowsOnItsScreen) {
    struct Row {
        FrameRect frame;
        bool shows;
    };
    // A 24 x 12 screen: frames inside it, across its edges, just beyond them, and empty.
    const Row rows[] = {
        {{0, 0, 24, 12}, true},      {{0, 0, 10, 6}, true},        {{10, 5, 6, 4}, true},
        {{20, 8, 8, 8}, true},       {{23, 11, 65535, 65535}, true},
        {{24, 0, 4, 4}, false},      {{0, 12, 4, 4}, false},       {{65535, 65535, 65535, 65535}, false},
        {{0, 0, 0, 12}, false},      {{0, 0, 24, 0}, false},
    };
    for (const Row& row : rows) {
        const FrameRect& f = row.frame;
        EXPECT_EQ(ShowsOnScreen(f, 24, 12), row.shows) << f.left << "," << f.top << " " << f.width << "x" << f.height;
    }
    EXPECT_FALSE(ShowsOnScreen(FrameRect{0, 0, 1, 1}, 0, 0));
}

TEST(GifFrames, SingleFrameIsCountedOnce) {
    const Vec gif = GifBuilder(8, 8).Application().GraphicControl(0).Image(0, 0, 8, 8).Trailer().bytes;
    EXPECT_EQ(CountFrames(gif, Screen(gif)), 1u);
}

}  // namespace
}  // namespace picture
