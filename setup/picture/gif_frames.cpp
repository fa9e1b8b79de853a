#include "setup/picture/gif_frames.h"

#include <cstring>

namespace picture {

namespace {

void WriteU16(std::span<std::uint8_t> out, std::size_t pos, std::int32_t value) noexcept {
    out[pos] = static_cast<std::uint8_t>(value & 0xFF);
    out[pos + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

}  // namespace

bool ShowsOnScreen(const FrameRect& frame, std::int32_t width, std::int32_t height) noexcept {
    // 64-bit sums: a frame's edges come from 16-bit fields but callers may hand in anything.
    const std::int64_t right = std::int64_t{frame.left} + frame.width;
    const std::int64_t bottom = std::int64_t{frame.top} + frame.height;
    return frame.width > 0 && frame.height > 0 && frame.left < width && frame.top < height && right > 0 &&
           bottom > 0;
}

bool GifWalk::SkipBlock() noexcept {
    const auto length = BlockLength(data_, position_);
    if (!length) return false;
    position_ += *length;
    return true;
}

// Passes application and comment blocks; true when a frame may start here.
bool GifWalk::SkipExtensionsBefore() noexcept {
    for (;;) {
        switch (KindHere()) {
        case GifBlockKind::Application:
        case GifBlockKind::Comment:
            if (!SkipBlock()) return false;
            break;
        case GifBlockKind::GraphicControl:
        case GifBlockKind::PlainText:
        case GifBlockKind::Image:
            return true;
        case GifBlockKind::Trailer:
        case GifBlockKind::Invalid:
            return false;
        }
    }
}

// From a graphic control extension, passes it and any extensions up to the
// frame's image or plain text block.
bool GifWalk::SkipToRenderingBlock() noexcept {
    if (KindHere() != GifBlockKind::GraphicControl) return true;
    if (!SkipBlock()) return false;
    for (;;) {
        switch (KindHere()) {
        case GifBlockKind::Image:
        case GifBlockKind::PlainText:
            return true;
        case GifBlockKind::Trailer:
        case GifBlockKind::Invalid:
            return false;
        default:
            if (!SkipBlock()) return false;
        }
    }
}

bool GifWalk::SkipGraphicBlock() noexcept {
    return SkipExtensionsBefore() && SkipToRenderingBlock() && SkipBlock();
}

std::optional<FrameCut> GifWalk::ExtractFrameStream() noexcept {
    if (!SkipExtensionsBefore()) return std::nullopt;
    FrameCut cut;
    cut.start = position_;
    if (KindHere() == GifBlockKind::GraphicControl) {
        if (!SkipToRenderingBlock()) return std::nullopt;  // also proves the 8 bytes fit
        cut.info.delay = ReadU16(data_, cut.start + 4);
        cut.info.disposal = (data_[cut.start + 3] >> 2) & 7;
    }
    const std::size_t block = position_;
    const bool image = KindHere() == GifBlockKind::Image;
    if (!SkipBlock()) return std::nullopt;  // also proves the image descriptor fits
    if (image) {
        cut.image = block;
        cut.info.rect = {ReadU16(data_, block + 1), ReadU16(data_, block + 3),
                         ReadU16(data_, block + 5), ReadU16(data_, block + 7)};
    } else {
        // Plain text has no image descriptor: it covers the logical screen.
        cut.info.rect = {0, 0, screen_.width, screen_.height};
    }
    cut.end = position_;
    return cut;
}

std::size_t CountFrames(Bytes data, const GifScreen& screen) noexcept {
    GifWalk walk(data, screen);
    std::size_t count = 0;
    while (walk.SkipGraphicBlock()) ++count;
    return count;
}

std::size_t FrameStreamLength(const GifScreen& screen, const FrameCut& cut) noexcept {
    return screen.FirstBlock() + (cut.end - cut.start) + 1;
}

bool WriteFrameStream(Bytes data, const GifScreen& screen, const FrameCut& cut,
                      std::span<std::uint8_t> out) noexcept {
    if (out.size() < FrameStreamLength(screen, cut)) return false;
    // A cut exists only after its blocks were walked, so the prologue and
    // the frame range both lie inside the data.
    const std::size_t prologue = screen.FirstBlock();
    std::memcpy(out.data(), data.data(), prologue);
    std::memcpy(out.data() + prologue, data.data() + cut.start, cut.end - cut.start);
    out[prologue + (cut.end - cut.start)] = 0x3B;
    if (cut.image) {
        // Screen of the frame's size; the image at its origin.
        const std::size_t descriptor = prologue + (*cut.image - cut.start);
        WriteU16(out, 6, cut.info.rect.width);
        WriteU16(out, 8, cut.info.rect.height);
        WriteU16(out, descriptor + 1, 0);
        WriteU16(out, descriptor + 3, 0);
    }
    return true;
}

}  // namespace picture
