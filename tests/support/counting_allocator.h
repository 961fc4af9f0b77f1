#pragma once
// Counts the heap allocations of a test program. Linking the counting
// allocator replaces every global operator new and new[] (plain, nothrow,
// aligned) and every matching operator delete and delete[] (sized included),
// all over malloc and free, so a block is always freed by the family that
// made it, whichever form a library allocates with.
#include <cstddef>

namespace test_support {

// Every operator new and new[] of the process since it started, the ones of
// shared libraries it loaded included.
std::size_t HeapAllocations();

// The allocations made while running `work`.
template <class Work> std::size_t AllocationsOf(Work &&work) {
    const std::size_t before = HeapAllocations();
    work();
    return HeapAllocations() - before;
}

} // namespace test_support
