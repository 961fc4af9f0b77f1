// Formatting numbers allocates nothing: the Calculate request formats ten
// thousand values per pass. Counts every operator new of this test program
// while a test asks for it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "framework/text_functions.h"

namespace {
bool counting = false;
std::size_t allocations = 0;

// The allocations made while running `work`.
template <class Work> std::size_t AllocationsOf(Work work) {
    allocations = 0;
    counting = true;
    work();
    counting = false;
    return allocations;
}
} // namespace

void *operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void *block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}
void operator delete(void *block) noexcept { std::free(block); }
void operator delete(void *block, std::size_t) noexcept { std::free(block); }

namespace {

TEST(Allocation, FormattingAValueAndItsGapAllocatesNothing) {
    const fw::String covariance = "-###,###,###,###.####", gap = "   ";
    const fw::NumberPattern correlation(fw::String("-#.####"));
    double sum = 0;
    const std::size_t made = AllocationsOf([&] {
        for (int k = 0; k < 1000; ++k) {
            const double x = (k - 500) * 1234.56789 / 7;
            const fw::String a = fw::Format(x, covariance) + gap;
            const fw::String b = fw::Format(x / 1e6, correlation) + gap;
            const fw::String c = fw::Str(x, "") + "     ";
            sum += static_cast<double>(a.size() + b.size() + c.size());
        }
    });
    EXPECT_EQ(made, 0u);
    EXPECT_GT(sum, 0);
}

TEST(Allocation, CountsWhatItShouldCount) {
    // Long texts do go to the heap: the counter sees them.
    const std::string text(200, 'x');
    const std::size_t made = AllocationsOf([&] { const fw::String copy(text); });
    EXPECT_GE(made, 1u);
}

} // namespace
