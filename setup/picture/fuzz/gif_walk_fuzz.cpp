// libFuzzer entry: tools/fuzz.sh builds it with clang and runs it for a bounded time.
#include "setup/picture/fuzz/gif_walk_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    picture::CheckGifWalk(data, size);
    return 0;
}
