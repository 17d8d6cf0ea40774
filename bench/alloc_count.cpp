// Interposes the C allocator's entry points, forwarding to glibc's own, so that every
// allocation in the program (operator new included) passes through here.
#include "alloc_count.h"

#include <cstddef>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* p, std::size_t size);
}

namespace {

bool counting = false;
std::uint64_t allocations = 0;

}  // namespace

extern "C" void* malloc(std::size_t size) {
    if (counting) ++allocations;
    return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size) {
    if (counting) ++allocations;
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* p, std::size_t size) {
    if (counting) ++allocations;
    return __libc_realloc(p, size);
}

namespace alloc_count {
void start() {
    allocations = 0;
    counting = true;
}
std::uint64_t stop() {
    counting = false;
    return allocations;
}
}  // namespace alloc_count
