#include "wlanstat/info/chanspec.h"

namespace wlanstat {

namespace {

void PutLe32(ChanspecBuffer& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

constexpr std::uint8_t kWidthMask = 0x38;
constexpr std::uint8_t kWidth40 = 0x18;
constexpr std::uint8_t kWidth80 = 0x20;
constexpr std::uint8_t kSidebandMask = 0x07;

}  // namespace

ChanspecBuffer ChanspecRequest() {
    ChanspecBuffer b{};
    PutLe32(b, 0, 0xFFFEDA3F);
    PutLe32(b, 4, 0xFFE41526);
    PutLe32(b, 8, static_cast<std::uint32_t>(kChanspecSize));
    PutLe32(b, 12, 0xABADCEDE);
    const char name[] = "chanspec";
    for (std::size_t i = 0; i < 8; ++i) b[16 + i] = static_cast<std::uint8_t>(name[i]);
    return b;
}

std::uint32_t ChannelFromChanspec(std::uint8_t lo, std::uint8_t hi) {
    int offset = 0;
    const int sideband = hi & kSidebandMask;
    switch (hi & kWidthMask) {
        case kWidth40:
            offset = (sideband & 1) ? 2 : -2;
            break;
        case kWidth80: {
            static constexpr int kOffsets80[8] = {-6, -2, 2, 6, 0, 0, 0, 0};
            offset = kOffsets80[sideband];
            break;
        }
        default:
            break;
    }
    const int channel = lo + offset;
    return channel < 1 ? 0u : static_cast<std::uint32_t>(channel);
}

std::uint32_t ChannelFromChanspecReply(const ChanspecBuffer& reply) {
    return ChannelFromChanspec(reply[16], reply[17]);
}

}  // namespace wlanstat
