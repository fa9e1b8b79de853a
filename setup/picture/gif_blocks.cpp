#include "setup/picture/gif_blocks.h"

namespace picture {

namespace {

// Length of a sub-block chain starting at `pos`, or nothing when its zero
// terminator does not lie inside the data.
std::optional<std::size_t> ChainLength(Bytes data, std::size_t pos) noexcept {
    std::size_t at = pos;
    while (at < data.size()) {
        const std::size_t n = data[at];
        at += 1;
        if (n == 0) return at - pos;
        at += n;
    }
    return std::nullopt;
}

// A header of `fixed` bytes followed by a sub-block chain.
std::optional<std::size_t> WithChain(Bytes data, std::size_t pos, std::size_t fixed) noexcept {
    if (fixed > data.size() - pos) return std::nullopt;
    const auto chain = ChainLength(data, pos + fixed);
    if (!chain) return std::nullopt;
    return fixed + *chain;
}

}  // namespace

bool IsGif(Bytes data) noexcept {
    return data.size() >= 3 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F';
}

std::uint16_t ReadU16(Bytes data, std::size_t pos) noexcept {
    return static_cast<std::uint16_t>(data[pos] | (data[pos + 1] << 8));
}

std::uint32_t ColourTableSize(std::uint8_t packed) noexcept {
    if ((packed & 0x80) == 0) return 0;
    return 3u << ((packed & 7) + 1);
}

std::optional<GifScreen> ReadScreen(Bytes data) noexcept {
    if (!IsGif(data) || data.size() < 13) return std::nullopt;
    GifScreen screen;
    screen.width = ReadU16(data, 6);
    screen.height = ReadU16(data, 8);
    screen.colourTableSize = ColourTableSize(data[10]);
    return screen;
}

GifBlockKind BlockKindAt(Bytes data, std::size_t pos) noexcept {
    if (pos >= data.size()) return GifBlockKind::Invalid;
    switch (data[pos]) {
    case 0x2C: return GifBlockKind::Image;
    case 0x3B: return GifBlockKind::Trailer;
    case 0x21: break;
    default: return GifBlockKind::Invalid;
    }
    if (pos + 1 >= data.size()) return GifBlockKind::Invalid;
    switch (data[pos + 1]) {
    case 0xFF: return GifBlockKind::Application;
    case 0xFE: return GifBlockKind::Comment;
    case 0xF9: return GifBlockKind::GraphicControl;
    case 0x01: return GifBlockKind::PlainText;
    default: return GifBlockKind::Invalid;
    }
}

std::optional<std::size_t> BlockLength(Bytes data, std::size_t pos) noexcept {
    std::optional<std::size_t> length;
    switch (BlockKindAt(data, pos)) {
    case GifBlockKind::Application: length = WithChain(data, pos, 14); break;
    case GifBlockKind::Comment: length = WithChain(data, pos, 2); break;
    case GifBlockKind::GraphicControl: length = 8; break;
    case GifBlockKind::PlainText: length = WithChain(data, pos, 15); break;
    case GifBlockKind::Image:
        // The packed byte sits at offset 9; the descriptor plus the LZW code size is 11.
        if (data.size() - pos < 11) return std::nullopt;
        length = WithChain(data, pos, 11 + std::size_t{ColourTableSize(data[pos + 9])});
        break;
    case GifBlockKind::Trailer: length = 1; break;
    case GifBlockKind::Invalid: return std::nullopt;
    }
    if (!length || *length > data.size() - pos) return std::nullopt;
    return length;
}

}  // namespace picture
