#pragma once
// The GIF block walk: what sits at an offset and how long it is. Portable and
// bounds-checked: nothing here reads outside the data it is given.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace picture {

using Bytes = std::span<const std::uint8_t>;

enum class GifBlockKind {
    Invalid = 0,
    Application = 1,
    Comment = 2,
    GraphicControl = 3,
    PlainText = 4,
    Image = 5,
    Trailer = 6,
};

// Header and logical screen descriptor.
struct GifScreen {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t colourTableSize = 0;  // bytes of the global colour table

    std::size_t FirstBlock() const noexcept { return 13 + std::size_t{colourTableSize}; }
};

// The source counts as a GIF when it starts with "GIF"; the version is not looked at.
bool IsGif(Bytes data) noexcept;

// Reads the logical screen descriptor; nothing when the 13-byte prologue does not fit.
std::optional<GifScreen> ReadScreen(Bytes data) noexcept;

// Byte length of a colour table announced by a packed byte (bit 7 set), else 0.
std::uint32_t ColourTableSize(std::uint8_t packed) noexcept;

GifBlockKind BlockKindAt(Bytes data, std::size_t pos) noexcept;

// Whole length of the block at `pos`, sub-blocks and terminator included. Nothing
// when the block is invalid, its fixed part or its sub-block chain does not fit, or
// it would end beyond the data.
std::optional<std::size_t> BlockLength(Bytes data, std::size_t pos) noexcept;

std::uint16_t ReadU16(Bytes data, std::size_t pos) noexcept;  // caller checks bounds

}  // namespace picture
