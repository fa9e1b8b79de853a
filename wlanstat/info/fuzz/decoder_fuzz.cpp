// libFuzzer entry for one decoder, chosen by the environment variable
// DECODER (a name from kDecoders): tools/fuzz.sh builds this once and runs it
// once per decoder, each with its own corpus.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "wlanstat/info/fuzz/decoder_checks.h"

namespace {
wlanstat::fuzz::Check g_check = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* name = std::getenv("DECODER");
    for (const auto& d : wlanstat::fuzz::kDecoders)
        if (name != nullptr && std::strcmp(name, d.name) == 0) g_check = d.check;
    if (g_check == nullptr) {
        std::fprintf(stderr, "set DECODER to one of:");
        for (const auto& d : wlanstat::fuzz::kDecoders) std::fprintf(stderr, " %s", d.name);
        std::fprintf(stderr, "\n");
        std::exit(2);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    g_check(data, size);
    return 0;
}
