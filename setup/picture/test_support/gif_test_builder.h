#pragma once
// Builds GIF files block by block for tests. Image data is real LZW (a clear
// code before the table would grow), so the OLE decoder accepts it too.
#include <cstdint>
#include <string>
#include <vector>

namespace picture::testing {

class GifBuilder {
public:
    // Header and logical screen with a global table of 2^(bits) entries
    // (bits 0: no global table). Entry i is the colour of `palette[i]` or grey.
    GifBuilder(int width, int height, int bits = 1, std::vector<std::uint32_t> palette = {}) {
        Append("GIF89a");
        U16(width);
        U16(height);
        bytes.push_back(bits > 0 ? static_cast<std::uint8_t>(0x80 | ((bits - 1) << 4) | (bits - 1)) : 0);
        bytes.push_back(0);  // background index
        bytes.push_back(0);  // aspect
        if (bits > 0) ColourTable(bits, palette);
    }

    GifBuilder& Application() {
        bytes.insert(bytes.end(), {0x21, 0xFF, 11});
        Append("NETSCAPE2.0");
        bytes.insert(bytes.end(), {3, 1, 0, 0, 0});
        return *this;
    }
    GifBuilder& Comment(const std::string& text) {
        bytes.insert(bytes.end(), {0x21, 0xFE});
        SubBlocks(std::vector<std::uint8_t>(text.begin(), text.end()));
        return *this;
    }
    GifBuilder& GraphicControl(int delay, int disposal = 1) {
        bytes.insert(bytes.end(), {0x21, 0xF9, 4, static_cast<std::uint8_t>(disposal << 2)});
        U16(delay);
        bytes.insert(bytes.end(), {0, 0});
        return *this;
    }
    GifBuilder& PlainText(const std::string& text) {
        bytes.insert(bytes.end(), {0x21, 0x01, 12, 0, 0, 0, 0, 8, 0, 8, 0, 8, 8, 1, 0});
        SubBlocks(std::vector<std::uint8_t>(text.begin(), text.end()));
        return *this;
    }
    // An image of one colour index, optionally with a local table of 2^(localBits) entries.
    GifBuilder& Image(int left, int top, int width, int height, int index = 1, int localBits = 0) {
        bytes.push_back(0x2C);
        U16(left);
        U16(top);
        U16(width);
        U16(height);
        bytes.push_back(localBits > 0 ? static_cast<std::uint8_t>(0x80 | (localBits - 1)) : 0);
        if (localBits > 0) ColourTable(localBits, {});
        Lzw(std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height,
                                      static_cast<std::uint8_t>(index)));
        return *this;
    }
    GifBuilder& Trailer() {
        bytes.push_back(0x3B);
        return *this;
    }
    GifBuilder& Raw(std::vector<std::uint8_t> raw) {
        bytes.insert(bytes.end(), raw.begin(), raw.end());
        return *this;
    }

    std::vector<std::uint8_t> bytes;

private:
    void Append(const char* s) {
        for (; *s; ++s) bytes.push_back(static_cast<std::uint8_t>(*s));
    }
    void U16(int v) {
        bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
    void ColourTable(int bits, const std::vector<std::uint32_t>& palette) {
        for (int i = 0; i < (1 << bits); ++i) {
            const std::uint32_t rgb = i < static_cast<int>(palette.size())
                                          ? palette[static_cast<std::size_t>(i)]
                                          : 0x010101u * static_cast<std::uint32_t>(i * 255 / ((1 << bits) - 1));
            bytes.push_back(static_cast<std::uint8_t>(rgb >> 16));
            bytes.push_back(static_cast<std::uint8_t>(rgb >> 8));
            bytes.push_back(static_cast<std::uint8_t>(rgb));
        }
    }
    void SubBlocks(const std::vector<std::uint8_t>& data) {
        for (std::size_t at = 0; at < data.size(); at += 255) {
            const std::size_t n = std::min<std::size_t>(255, data.size() - at);
            bytes.push_back(static_cast<std::uint8_t>(n));
            bytes.insert(bytes.end(), data.begin() + static_cast<long>(at),
                         data.begin() + static_cast<long>(at + n));
        }
        bytes.push_back(0);
    }
    // Code size 8 with a clear code every 254 pixels keeps every code 9 bits wide.
    void Lzw(const std::vector<std::uint8_t>& pixels) {
        constexpr int kMin = 8, kClear = 256, kEnd = 257;
        std::vector<std::uint8_t> out;
        std::uint32_t acc = 0;
        int nbits = 0;
        auto put = [&](int code) {
            acc |= static_cast<std::uint32_t>(code) << nbits;
            nbits += kMin + 1;
            while (nbits >= 8) {
                out.push_back(static_cast<std::uint8_t>(acc & 0xFF));
                acc >>= 8;
                nbits -= 8;
            }
        };
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            if (i % 254 == 0) put(kClear);
            put(pixels[i]);
        }
        put(kEnd);
        if (nbits > 0) out.push_back(static_cast<std::uint8_t>(acc & 0xFF));
        bytes.push_back(kMin);
        SubBlocks(out);
    }
};

}  // namespace picture::testing
