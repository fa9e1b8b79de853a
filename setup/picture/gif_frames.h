#pragma once
// Cutting a GIF into frames, each of which becomes a self-contained single-frame
// GIF: the source's header, screen descriptor and global colour table, the
// frame's own blocks, and a trailer. Each stream's logical screen is the frame
// itself, with the image at 0, 0: decoders disagree on how big a picture is
// whose image is smaller than its screen, and this way every one agrees.
#include "setup/picture/gif_blocks.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace picture {

struct FrameRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const FrameRect&) const = default;
};

// Whether any of `frame` lies on a screen of `width` x `height`: a frame
// wholly beyond its screen draws nothing.
bool ShowsOnScreen(const FrameRect& frame, std::int32_t width, std::int32_t height) noexcept;

// What the player needs to know about a frame besides its picture.
struct GifFrameInfo {
    FrameRect rect;
    std::optional<std::uint32_t> delay;  // hundredths of a second; none without a control extension
    std::int32_t disposal = 0;
};

// One frame found in the source: its info and the source range of its own blocks.
struct FrameCut {
    GifFrameInfo info;
    std::size_t start = 0;
    std::size_t end = 0;
    std::optional<std::size_t> image;  // source offset of its image descriptor
};

// A parse position over the source bytes.
class GifWalk {
public:
    GifWalk(Bytes data, const GifScreen& screen) noexcept
        : data_(data), screen_(screen), position_(screen.FirstBlock()) {}

    std::size_t Position() const noexcept { return position_; }
    GifBlockKind KindHere() const noexcept { return BlockKindAt(data_, position_); }

    // Advances over one block when it lies within the data.
    bool SkipBlock() noexcept;
    // Advances over one whole frame; false at the trailer or on bad data.
    bool SkipGraphicBlock() noexcept;
    // Finds the next frame and advances past it; nothing at the trailer or on bad data.
    std::optional<FrameCut> ExtractFrameStream() noexcept;

private:
    bool SkipExtensionsBefore() noexcept;
    bool SkipToRenderingBlock() noexcept;

    Bytes data_;
    GifScreen screen_;
    std::size_t position_;
};

// Number of complete frames before the walk stops.
std::size_t CountFrames(Bytes data, const GifScreen& screen) noexcept;

std::size_t FrameStreamLength(const GifScreen& screen, const FrameCut& cut) noexcept;

// Fills `out` with the frame's stand-alone GIF; false when `out` is shorter
// than FrameStreamLength.
bool WriteFrameStream(Bytes data, const GifScreen& screen, const FrameCut& cut,
                      std::span<std::uint8_t> out) noexcept;

}  // namespace picture
