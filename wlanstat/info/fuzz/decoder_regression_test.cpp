// Replays each decoder's fuzz seeds and every crash input ever found through its checks.
#include "wlanstat/info/fuzz/decoder_checks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::size_t Replay(const fs::path& dir, wlanstat::fuzz::Check check) {
    std::size_t count = 0;
    if (!fs::is_directory(dir)) return 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.path().filename().string().front() == '.') continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        SCOPED_TRACE(entry.path().string());
        check(bytes.data(), bytes.size());
        ++count;
    }
    return count;
}

TEST(DecoderRegression, EveryDecoderHasSeedsAndTheyPass) {
    for (const auto& d : wlanstat::fuzz::kDecoders) {
        SCOPED_TRACE(d.name);
        EXPECT_GT(Replay(fs::path(DECODER_FUZZ_DIR) / "corpus" / d.name, d.check), 0u);
    }
}

TEST(DecoderRegression, KeptCrashInputs) {
    for (const auto& d : wlanstat::fuzz::kDecoders) Replay(fs::path(DECODER_FUZZ_DIR) / "crashes" / d.name, d.check);
}

}  // namespace
