// Counts the heap allocations (malloc, calloc, realloc) made while counting is on.
#pragma once

#include <cstdint>

namespace alloc_count {
void start();
std::uint64_t stop();  // allocations since start()
}  // namespace alloc_count
