// Replays the fuzz seeds and every crash input ever found through the checks.
#include "setup/picture/fuzz/gif_walk_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::size_t ReplayDirectory(const fs::path& dir) {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.path().filename().string().front() == '.') continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        SCOPED_TRACE(entry.path().string());
        picture::CheckGifWalk(bytes.data(), bytes.size());
        ++count;
    }
    return count;
}

TEST(GifWalkRegression, SeedCorpus) {
    EXPECT_GT(ReplayDirectory(fs::path(GIF_FUZZ_DIR) / "corpus"), 0u);
}

TEST(GifWalkRegression, KeptCrashInputs) {
    ReplayDirectory(fs::path(GIF_FUZZ_DIR) / "crashes");
}

}  // namespace
