#include "tests/support/counting_allocator.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> allocations{0};

void *Allocate(std::size_t size) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}

// posix_memalign rather than aligned_alloc: the latter may refuse a size that
// is not a multiple of the alignment.
void *AllocateAligned(std::size_t size, std::align_val_t alignment) noexcept {
    allocations.fetch_add(1, std::memory_order_relaxed);
    void *block = nullptr;
    const std::size_t align = std::max(static_cast<std::size_t>(alignment), sizeof(void *));
    return posix_memalign(&block, align, size == 0 ? 1 : size) == 0 ? block : nullptr;
}

void *OrThrow(void *block) {
    if (!block) throw std::bad_alloc();
    return block;
}

} // namespace

std::size_t test_support::HeapAllocations() { return allocations.load(std::memory_order_relaxed); }

void *operator new(std::size_t size) { return OrThrow(Allocate(size)); }
void *operator new[](std::size_t size) { return OrThrow(Allocate(size)); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept { return Allocate(size); }
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept { return Allocate(size); }
void *operator new(std::size_t size, std::align_val_t a) { return OrThrow(AllocateAligned(size, a)); }
void *operator new[](std::size_t size, std::align_val_t a) { return OrThrow(AllocateAligned(size, a)); }
void *operator new(std::size_t size, std::align_val_t a, const std::nothrow_t &) noexcept {
    return AllocateAligned(size, a);
}
void *operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t &) noexcept {
    return AllocateAligned(size, a);
}

void operator delete(void *block) noexcept { std::free(block); }
void operator delete[](void *block) noexcept { std::free(block); }
void operator delete(void *block, std::size_t) noexcept { std::free(block); }
void operator delete[](void *block, std::size_t) noexcept { std::free(block); }
void operator delete(void *block, const std::nothrow_t &) noexcept { std::free(block); }
void operator delete[](void *block, const std::nothrow_t &) noexcept { std::free(block); }
void operator delete(void *block, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void *block, std::align_val_t) noexcept { std::free(block); }
void operator delete(void *block, std::size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete[](void *block, std::size_t, std::align_val_t) noexcept { std::free(block); }
void operator delete(void *block, std::align_val_t, const std::nothrow_t &) noexcept { std::free(block); }
void operator delete[](void *block, std::align_val_t, const std::nothrow_t &) noexcept { std::free(block); }
