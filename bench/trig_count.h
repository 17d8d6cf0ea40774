// Counts the libm sine and cosine calls made in the program while counting is on, and
// keeps their arguments so that the very same calls can be replayed.
#pragma once

#include <cstdint>
#include <vector>

namespace trig_count {

enum class Kind : std::uint8_t { kCos, kSin, kSinCos };

struct Call {
    Kind kind;
    double argument;  // radians
};

void start();
std::uint64_t stop();  // calls since start(); a sincos counts as two
const std::vector<Call>& recorded();  // the calls since start(), in order

}  // namespace trig_count
