// Counts the libm sine and cosine calls made in the program while counting is on.
#pragma once

#include <cstdint>

namespace trig_count {
void start();
std::uint64_t stop();  // calls since start()
}  // namespace trig_count
