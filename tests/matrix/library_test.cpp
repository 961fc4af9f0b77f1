#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/exceptions.h"
#include "matrix/binding.h"
#include "matrix/complex.h"
#include "matrix/library_errors.h"
#include "matrix/matrix.h"
#include "tests/support/counting_allocator.h"

namespace {

using fw::Ref;

class RealLibrary : public testing::Test {
protected:
    static void SetUpTestSuite() { _InitPluginEntrypoints(); }
};

Ref<Matrix> FromText(int64_t rows, int64_t columns, const fw::String &text) {
    Ref<Matrix> matrix = fw::NewObject<Matrix>();
    matrix->Constructor(rows, columns, text);
    return matrix;
}

std::vector<double> Elements(Matrix *m) {
    std::vector<double> values;
    for (int64_t i = 0; i < NumRows(m); ++i)
        for (int64_t j = 0; j < NumColumns(m); ++j)
            values.push_back(m->Element(i, j));
    return values;
}

TEST_F(RealLibrary, MatrixFromTextHasItsShapeAndValues) {
    struct Case {
        const char *text;
        int64_t rows, columns;
        std::vector<double> values;
    };
    const Case cases[] = {
        {"1 2 3\r4 5 6\r7 8 9\r", 3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"1     2     \r3     4     \r", 2, 2, {1, 2, 3, 4}}, // runs of blanks after every value
        {"-1.2500   0.5   \r1,234.5   1e-3   \r", 2, 2, {-1.25, 0.5, 1234.5, 0.001}},
        {"0.5\r1.5\r2.5\r", 3, 1, {0.5, 1.5, 2.5}}, // the standard deviations
        {"1\t2\r3\t4\r", 2, 2, {1, 2, 3, 4}},       // tabs typed by the user
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        Ref<Matrix> m = FromText(c.rows, c.columns, c.text);
        EXPECT_EQ(NumRows(m.get()), c.rows);
        EXPECT_EQ(NumColumns(m.get()), c.columns);
        EXPECT_EQ(Elements(m.get()), c.values);
    }
}

TEST_F(RealLibrary, FirstAndLastElementAreTheFirstAndLastValuesOfTheText) {
    Ref<Matrix> m = FromText(3, 3, "11 12 13\r21 22 23\r31 32 33\r");
    EXPECT_EQ(m->Element(0, 0), 11);
    EXPECT_EQ(m->Element(0, 2), 13);
    EXPECT_EQ(m->Element(2, 0), 31);
    EXPECT_EQ(m->Element(2, 2), 33);
}

TEST_F(RealLibrary, ShapeThatDiffersFromTheTextIsReported) {
    Ref<Matrix> ragged = FromText(2, 2, "1 2\r3\r");
    EXPECT_FALSE(NumRows(ragged.get()) == 2 && NumColumns(ragged.get()) == 2);
    Ref<Matrix> wrongSize = FromText(3, 3, "1 2\r3 4\r");
    EXPECT_FALSE(NumRows(wrongSize.get()) == 3 && NumColumns(wrongSize.get()) == 3);
}

TEST_F(RealLibrary, ProductLeavesBothFactorsUnchanged) {
    Ref<Matrix> d = FromText(2, 2, "2 0\r0 3\r");
    Ref<Matrix> m = FromText(2, 2, "1 2\r3 4\r");
    Ref<Matrix> dm = d->Operator_Multiply(m.get());
    Ref<Matrix> dmd = dm->Operator_Multiply(d.get());
    EXPECT_EQ(Elements(dm.get()), (std::vector<double>{2, 4, 9, 12}));
    EXPECT_EQ(Elements(dmd.get()), (std::vector<double>{4, 12, 18, 36}));
    EXPECT_EQ(Elements(d.get()), (std::vector<double>{2, 0, 0, 3}));
    EXPECT_EQ(Elements(m.get()), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(dm->ReferenceCount(), 1);
}

TEST_F(RealLibrary, TextFormReadsBackToTheSameMatrix) {
    Ref<Matrix> m = FromText(2, 3, "0.1 -2 3.25\r1e10 5 -0.000123\r");
    const fw::String text = m->Str();
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.view().back(), '\r');
    Ref<Matrix> again = FromText(2, 3, text);
    EXPECT_EQ(NumRows(again.get()), 2);
    EXPECT_EQ(NumColumns(again.get()), 3);
    EXPECT_EQ(Elements(again.get()), Elements(m.get()));
}

TEST_F(RealLibrary, MismatchedProductRaisesRowColumnMismatch) {
    Ref<Matrix> a = FromText(2, 3, "1 2 3\r4 5 6\r");
    Ref<Matrix> b = FromText(2, 3, "1 2 3\r4 5 6\r");
    try {
        a->Operator_Multiply(b.get());
        FAIL() << "no exception";
    } catch (const fw::Raised &raised) {
        EXPECT_EQ(raised.Exception()->Class(), &RowColumnMismatch::ClassRecordOf()) << raised.Describe();
        EXPECT_NE(dynamic_cast<RowColumnMismatch *>(raised.Exception().get()), nullptr);
    }
    EXPECT_EQ(a->ReferenceCount(), 1);
    EXPECT_EQ(b->ReferenceCount(), 1);
    EXPECT_EQ(Elements(a.get()), (std::vector<double>{1, 2, 3, 4, 5, 6}));
}

// The calls the Calculate request makes ten thousand times, and the other
// calls on plain numbers, cross the boundary without a heap allocation.
TEST_F(RealLibrary, CallsOnPlainNumbersAllocateNothing) {
    Ref<Matrix> m = FromText(2, 2, "1 2\r3 4\r");
    Ref<Complex> z = fw::NewObject<Complex>();
    const struct {
        const char *name;
        std::function<void()> call;
    } calls[] = {
        {"Element", [&] { EXPECT_EQ(m->Element(1, 0), 3.0); }},
        {"NumRows", [&] { EXPECT_EQ(NumRows(m.get()), 2); }},
        {"NumColumns", [&] { EXPECT_EQ(NumColumns(m.get()), 2); }},
        {"Matrix.NumColumns", [&] { EXPECT_EQ(m->NumColumns(), 2); }},
        {"Complex.Constructor(x)", [&] { z->Constructor(2.5); }},
        {"Complex.Constructor(xRe, xIm)", [&] { z->Constructor(1.5, -4.0); }},
        {"Complex.Imag", [&] { EXPECT_EQ(z->Imag(), -4.0); }},
    };
    for (const auto &c : calls) EXPECT_EQ(test_support::AllocationsOf(c.call), 0u) << c.name;
    // The count sees what the library allocates: its text of a matrix is new.
    EXPECT_GT(test_support::AllocationsOf([&] { EXPECT_FALSE(m->Str().empty()); }), 0u);
}

} // namespace
