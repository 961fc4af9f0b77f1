// Formatting numbers allocates nothing: the Calculate request formats ten
// thousand values per pass. Counts every operator new of this test program
// while a test runs its work.
#include <gtest/gtest.h>

#include "framework/text_functions.h"
#include "tests/support/counting_allocator.h"

namespace {

using test_support::AllocationsOf;

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
