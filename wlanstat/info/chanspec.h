#pragma once
// The private "chanspec" request to the card's driver and the decoding of its
// reply, for drivers that do not report the channel through the WLAN API.
#include <array>
#include <cstddef>
#include <cstdint>

namespace wlanstat {

inline constexpr std::size_t kChanspecSize = 272;
using ChanspecBuffer = std::array<std::uint8_t, kChanspecSize>;

// The request bytes: header, length, magic, the ASCII value name, zero padding.
ChanspecBuffer ChanspecRequest();

// Primary channel from the chanspec value: lo is the centre channel, hi holds
// the width (bits 3-5) and the sideband of the primary channel (bits 0-2).
// A reply that would put the primary channel below 1 reports nothing (0).
std::uint32_t ChannelFromChanspec(std::uint8_t lo, std::uint8_t hi);

// The same from a whole reply (bytes 16 and 17).
std::uint32_t ChannelFromChanspecReply(const ChanspecBuffer& reply);

}  // namespace wlanstat
