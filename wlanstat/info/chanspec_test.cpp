#include "wlanstat/info/chanspec.h"

#include <gtest/gtest.h>

namespace wlanstat {
namespace {

TEST(ChanspecRequest, BytesAsTheDriverExpects) {
    const ChanspecBuffer b = ChanspecRequest();
    const std::uint8_t head[24] = {0x3F, 0xDA, 0xFE, 0xFF, 0x26, 0x15, 0xE4, 0xFF,
                                   0x10, 0x01, 0x00, 0x00, 0xDE, 0xCE, 0xAD, 0xAB,
                                   'c',  'h',  'a',  'n',  's',  'p',  'e',  'c'};
    ASSERT_EQ(b.size(), 272u);
    for (std::size_t i = 0; i < 24; ++i) EXPECT_EQ(b[i], head[i]) << "byte " << i;
    for (std::size_t i = 24; i < b.size(); ++i) ASSERT_EQ(b[i], 0) << "byte " << i;
}

TEST(ChannelFromChanspec, EveryWidthAndSideband) {
    struct Row {
        std::uint8_t hi;
        std::uint32_t channel;
    };
    const std::uint8_t lo = 42;
    for (const Row& r : {
             Row{0x19, 44}, Row{0x1F, 44}, Row{0x18, 40}, Row{0x1E, 40},  // 40 MHz upper / lower
             Row{0x20, 36}, Row{0x21, 40}, Row{0x22, 44}, Row{0x23, 48},  // 80 MHz sidebands 0-3
             Row{0x24, 42}, Row{0x25, 42}, Row{0x26, 42}, Row{0x27, 42},  // 80 MHz sidebands 4-7
             Row{0x10, 42}, Row{0x17, 42}, Row{0x00, 42}, Row{0x28, 42},  // 20 MHz and others
             Row{0x38, 42}, Row{0xD9, 44}, Row{0xE3, 48}}) {              // bits 6-7 ignored
        EXPECT_EQ(ChannelFromChanspec(lo, r.hi), r.channel) << std::hex << int(r.hi);
    }
}

TEST(ChannelFromChanspec, ReplyBytes16And17AndNoChannelBelow1) {
    ChanspecBuffer reply{};
    reply[16] = 155;
    reply[17] = 0x20;
    EXPECT_EQ(ChannelFromChanspecReply(reply), 149u);
    reply[16] = 1;
    reply[17] = 0x18;
    EXPECT_EQ(ChannelFromChanspecReply(reply), 0u);
    EXPECT_EQ(ChannelFromChanspec(0, 0x00), 0u);
}

}  // namespace
}  // namespace wlanstat
