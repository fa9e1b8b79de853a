#pragma once
// One pass of every walk operation over arbitrary bytes, with the properties
// that must hold for any input. Shared by the fuzz target and the regression test.
#include <cstddef>
#include <cstdint>

namespace picture {

// Aborts when a property fails; reading outside the data is left to the sanitizers.
void CheckGifWalk(const std::uint8_t* data, std::size_t size);

}  // namespace picture
