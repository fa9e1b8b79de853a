#include "setup/picture/fuzz/gif_walk_check.h"

#include "setup/picture/gif_frames.h"

#include <cstdlib>
#include <vector>

namespace picture {

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

void CheckGifWalk(const std::uint8_t* data, std::size_t size) {
    // Copy into an exact-size buffer so any overread hits the sanitizer's red zone.
    const std::vector<std::uint8_t> copy(data, data + size);
    const Bytes bytes(copy);

    IsGif(bytes);
    for (std::size_t pos = 0; pos <= bytes.size(); ++pos) {
        if (const auto length = BlockLength(bytes, pos)) Require(*length > 0 && *length <= bytes.size() - pos);
    }

    const auto screen = ReadScreen(bytes);
    if (!screen) return;
    const std::size_t counted = CountFrames(bytes, *screen);

    GifWalk walk(bytes, *screen);
    std::size_t cut = 0;
    while (const auto frame = walk.ExtractFrameStream()) {
        ++cut;
        Require(frame->start < frame->end && frame->end <= bytes.size());
        std::vector<std::uint8_t> stream(FrameStreamLength(*screen, *frame));
        Require(WriteFrameStream(bytes, *screen, *frame, stream));
        // Every frame stream is a GIF of exactly one frame.
        const auto own = ReadScreen(stream);
        Require(own.has_value());
        Require(CountFrames(stream, *own) == 1);
    }
    Require(cut == counted);
}

}  // namespace picture
