#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "test_host.h"

namespace {

using testhost::Host;
using testhost::make;
using testhost::Object;

Host &host() { return Host::instance(); }

// Each test starts and ends with no exception pending and every object gone.
class Library : public ::testing::Test {
protected:
    void SetUp() override {
        host().take_raised();
        objects_before_ = host().live_objects();
        exits_before_ = host().exits_that_left_data();
    }
    void TearDown() override {
        const auto raised = host().take_raised();
        EXPECT_FALSE(raised.has_value()) << "unexpected " << raised->class_name << ": " << raised->message;
        EXPECT_EQ(host().live_objects(), objects_before_);
        EXPECT_EQ(host().exits_that_left_data(), exits_before_) << "an __exit left its contents in place";
        host().reset_strings();
    }

    // The library raised an exception of this class, with a message.
    static void expect_raised(const std::string &class_name) {
        const auto raised = host().take_raised();
        ASSERT_TRUE(raised.has_value()) << "nothing raised, expected " << class_name;
        EXPECT_EQ(raised->class_name, class_name) << raised->message;
        EXPECT_FALSE(raised->message.empty());
    }

    static void expect_nothing_raised() {
        const auto raised = host().take_raised();
        EXPECT_FALSE(raised.has_value()) << raised->class_name << ": " << raised->message;
    }

    static Object matrix(const std::string &text) {
        Object m = make("Matrix");
        host().call<void>(CM_ENTRY_Matrix_Constructor_Text, m.get(), int64_t{2}, int64_t{2}, host().string(text));
        return m;
    }
    static Object complex_matrix(const std::string &text) {
        Object m = make("ComplexMatrix");
        host().call<void>(CM_ENTRY_ComplexMatrix_Constructor_Text, m.get(), int64_t{2}, int64_t{2},
                          host().string(text));
        return m;
    }
    static Object complex(double re, double im) {
        Object z = make("Complex");
        host().call<void>(CM_ENTRY_Complex_Constructor_ReIm, z.get(), re, im);
        return z;
    }

    static std::string str(const Object &object, int entry) {
        return Host::text(host().call<cm_string *>(entry, object.get()));
    }
    static std::string matrix_str(const Object &m) { return str(m, CM_ENTRY_Matrix_Str); }
    static std::string complex_str(const Object &z) { return str(z, CM_ENTRY_Complex_Str); }
    static std::string complex_matrix_str(const Object &m) { return str(m, CM_ENTRY_ComplexMatrix_Str); }

    static int64_t rows(const Object &m) { return host().call<int64_t>(CM_ENTRY_NumRows, m.get()); }
    static int64_t columns(const Object &m) { return host().call<int64_t>(CM_ENTRY_NumColumns, m.get()); }

    static Object binary(int entry, const Object &self, const Object &x) {
        return Object(host().call<cm_object *>(entry, self.get(), x.get()));
    }
    static Object with_double(int entry, const Object &self, double x) {
        return Object(host().call<cm_object *>(entry, self.get(), x));
    }
    static int64_t compare(int entry, const Object &self, const Object &x) {
        return host().call<int64_t>(entry, self.get(), x.get());
    }

private:
    int objects_before_ = 0;
    int exits_before_ = 0;
};

// The library registers a function for every entry of the list, under the
// list's declaration and in its order.
TEST_F(Library, AnswersWithEveryEntryOfTheListByItsDeclaration) {
    ASSERT_EQ(host().entry_count(), std::size(cm::kDeclarations));
    std::set<std::string> seen;
    for (std::size_t k = 0; k < host().entry_count(); ++k) {
        const cm_entry &entry = host().entries()[k];
        EXPECT_STREQ(entry.declaration, cm::kDeclarations[k]) << "entry " << k;
        EXPECT_NE(entry.function, nullptr) << entry.declaration;
        seen.insert(entry.declaration);
    }
    EXPECT_EQ(seen.size(), std::size(cm::kDeclarations));
}

TEST_F(Library, RefusesAHostItCannotServe) {
    const cm_entry *entries = nullptr;
    std::size_t count = 0;
    char error[128];
    const auto refused = [&](const cm_host_api *api) {
        error[0] = '\0';
        const int status = host().plugin_entry()(api, &entries, &count, error, sizeof error);
        return status != 0 && error[0] != '\0';
    };
    cm_host_api old = host().api();
    old.version = 0;
    EXPECT_TRUE(refused(&old));
    cm_host_api small = host().api();
    small.size = sizeof(cm_host_api) - sizeof(void *);
    EXPECT_TRUE(refused(&small));
    cm_host_api first = host().api(); // version 1 had no class identities
    first.version = 1;
    first.size = offsetof(cm_host_api, class_identity);
    EXPECT_TRUE(refused(&first));
    cm_host_api missing = host().api();
    missing.raise = nullptr;
    EXPECT_TRUE(refused(&missing));
    cm_host_api no_identities = host().api();
    no_identities.data_of_class = nullptr;
    EXPECT_TRUE(refused(&no_identities));
    EXPECT_TRUE(refused(nullptr));
    EXPECT_NE(host().plugin_entry()(&host().api(), nullptr, &count, nullptr, 0), 0);

    // A newer host, with a longer table, is served.
    struct Newer {
        cm_host_api api;
        void *later_services[4];
    } newer{host().api(), {}};
    newer.api.version = CM_HOST_API_VERSION + 1;
    newer.api.size = sizeof newer;
    EXPECT_EQ(host().plugin_entry()(&newer.api, &entries, &count, error, sizeof error), 0);
    EXPECT_EQ(count, 111u);

    // The refused tables left the accepted host in place.
    Object product = binary(CM_ENTRY_Matrix_Operator_Multiply_Matrix, matrix("2\r"), matrix("3\r"));
    ASSERT_TRUE(product);
    EXPECT_EQ(matrix_str(product), "6\r");
}

TEST_F(Library, MatrixFromTextHasTheShapeOfTheText) {
    const Object m = matrix("1 2 3\r4 5 6\r");
    EXPECT_EQ(rows(m), 2);
    EXPECT_EQ(columns(m), 3);
    EXPECT_EQ(host().call<int64_t>(CM_ENTRY_Matrix_NumRows, m.get()), 2);
    EXPECT_EQ(host().call<int64_t>(CM_ENTRY_Matrix_NumColumns, m.get()), 3);
    const int element = CM_ENTRY_Matrix_Element;
    EXPECT_EQ(host().call<double>(element, m.get(), int64_t{0}, int64_t{0}), 1.0);
    EXPECT_EQ(host().call<double>(element, m.get(), int64_t{1}, int64_t{2}), 6.0);
    EXPECT_EQ(matrix_str(m), "1  2  3\r4  5  6\r");
    EXPECT_EQ(str(m, CM_ENTRY_Matrix_Str2), "1 2 3\r4 5 6\r");

    // Unreadable text raises nothing: the matrix is 0 x 0 whatever the counts.
    const Object bad = matrix("1 2\r3\r");
    expect_nothing_raised();
    EXPECT_EQ(rows(bad), 0);
    EXPECT_EQ(columns(bad), 0);
    EXPECT_EQ(matrix_str(bad), "");
}

TEST_F(Library, MatrixConstructorsWithoutText) {
    Object m = make("Matrix");
    host().call<void>(CM_ENTRY_Matrix_Constructor, m.get());
    EXPECT_EQ(rows(m), 0);
    host().call<void>(CM_ENTRY_Matrix_Constructor_Shape, m.get(), int64_t{2}, int64_t{3});
    EXPECT_EQ(rows(m), 2);
    EXPECT_EQ(columns(m), 3);
    EXPECT_EQ(matrix_str(m), "0  0  0\r0  0  0\r");
}

TEST_F(Library, MatrixProductIsANewObjectAndLeavesTheFactors) {
    const Object d = matrix("2 0\r0 3\r");
    const Object m = matrix("1 0.5\r0.5 1\r");
    const Object t = binary(CM_ENTRY_Matrix_Operator_Multiply_Matrix, d, m);
    ASSERT_TRUE(t);
    EXPECT_EQ(t.class_name(), "Matrix");
    EXPECT_NE(t.get(), d.get());
    EXPECT_EQ(matrix_str(t), "2    1\r1.5  3\r");
    const Object v = binary(CM_ENTRY_Matrix_Operator_Multiply_Matrix, t, d);
    EXPECT_EQ(matrix_str(v), "4  3\r3  9\r");
    EXPECT_EQ(matrix_str(d), "2  0\r0  3\r");
    EXPECT_EQ(matrix_str(m), "1    0.5\r0.5  1\r");
}

TEST_F(Library, MatrixArithmetic) {
    const Object a = matrix("4 7\r2 6\r");
    EXPECT_EQ(matrix_str(with_double(CM_ENTRY_Matrix_Operator_Add_Double, a, 1)), "5  8\r3  7\r");
    EXPECT_EQ(matrix_str(with_double(CM_ENTRY_Matrix_Operator_SubtractRight_Double, a, 10)), "6  3\r8  4\r");
    EXPECT_EQ(matrix_str(with_double(CM_ENTRY_Matrix_Operator_Divide_Double, a, 2)), "2  3.5\r1  3\r");
    EXPECT_EQ(matrix_str(Object(host().call<cm_object *>(CM_ENTRY_Matrix_Operator_Negate, a.get()))),
              "-4  -7\r-2  -6\r");
    EXPECT_EQ(matrix_str(binary(CM_ENTRY_Matrix_Operator_Subtract_Matrix, a, a)), "0  0\r0  0\r");
    EXPECT_EQ(matrix_str(binary(CM_ENTRY_Matrix_Operator_Add_Matrix, a, a)), "8  14\r4  12\r");

    // Dividing by a matrix multiplies by its inverse: A / A is the identity,
    // 10 / A is ten times the inverse (1/10 of 6 -7 / -2 4 here).
    const Object identity = binary(CM_ENTRY_Matrix_Operator_Divide_Matrix, a, a);
    const Object expected_identity = matrix("1 0\r0 1\r");
    const Object difference = binary(CM_ENTRY_Matrix_Operator_Subtract_Matrix, identity, expected_identity);
    const int element = CM_ENTRY_Matrix_Element;
    for (int64_t r = 0; r < 2; ++r) {
        for (int64_t c = 0; c < 2; ++c)
            EXPECT_NEAR(host().call<double>(element, difference.get(), r, c), 0, 1e-15);
    }
    const Object ten_over = with_double(CM_ENTRY_Matrix_Operator_DivideRight_Double, a, 10);
    EXPECT_NEAR(host().call<double>(element, ten_over.get(), int64_t{0}, int64_t{1}), -7.0, 1e-14);
    EXPECT_NEAR(host().call<double>(element, ten_over.get(), int64_t{1}, int64_t{1}), 4.0, 1e-14);
}

TEST_F(Library, MatrixWithAComplexOperandIsAComplexMatrix) {
    const Object a = matrix("1 2\r3 4\r");
    const Object i = complex(0, 1);
    const Object sum = binary(CM_ENTRY_Matrix_Operator_Add_Complex, a, i);
    ASSERT_TRUE(sum);
    EXPECT_EQ(sum.class_name(), "ComplexMatrix");
    EXPECT_EQ(complex_matrix_str(sum), "1+1i  2+1i\r3+1i  4+1i\r");
    EXPECT_EQ(complex_matrix_str(binary(CM_ENTRY_Matrix_Operator_SubtractRight_Complex, a, i)),
              "-1+1i  -2+1i\r-3+1i  -4+1i\r");
    EXPECT_EQ(complex_matrix_str(binary(CM_ENTRY_Matrix_Operator_Multiply_Complex, a, i)), "0+1i  0+2i\r0+3i  0+4i\r");
    EXPECT_EQ(complex_matrix_str(binary(CM_ENTRY_Matrix_Operator_Divide_Complex, a, i)), "0-1i  0-2i\r0-3i  0-4i\r");
}

// Each scalar overload against its mirror: the operand on the object's left
// ("Right") or right, and the operator the declaration names.
TEST_F(Library, MatrixWithAScalarOnEitherSide) {
    const Object a = matrix("2 0\r0 4\r");
    const struct {
        int entry;
        const char *expected;
    } with_two[] = {
        {CM_ENTRY_Matrix_Operator_Add_Double, "4 2\r2 6\r"},
        {CM_ENTRY_Matrix_Operator_AddRight_Double, "4 2\r2 6\r"},
        {CM_ENTRY_Matrix_Operator_Subtract_Double, "0 -2\r-2 2\r"},
        {CM_ENTRY_Matrix_Operator_SubtractRight_Double, "0 2\r2 -2\r"},
        {CM_ENTRY_Matrix_Operator_Multiply_Double, "4 0\r0 8\r"},
        {CM_ENTRY_Matrix_Operator_MultiplyRight_Double, "4 0\r0 8\r"},
        {CM_ENTRY_Matrix_Operator_Divide_Double, "1 0\r0 2\r"},
        {CM_ENTRY_Matrix_Operator_DivideRight_Double, "1 0\r0 0.5\r"},
    };
    for (const auto &c : with_two) {
        SCOPED_TRACE(cm::kDeclarations[c.entry]);
        const Object r = with_double(c.entry, a, 2);
        ASSERT_TRUE(r);
        EXPECT_EQ(r.class_name(), "Matrix");
        EXPECT_EQ(compare(CM_ENTRY_Matrix_Operator_Compare_Matrix, r, matrix(c.expected)), 0) << matrix_str(r);
    }

    const Object i = complex(0, 1);
    const struct {
        int entry;
        const char *expected;
    } with_i[] = {
        {CM_ENTRY_Matrix_Operator_Add_Complex, "2+1i 0+1i\r0+1i 4+1i\r"},
        {CM_ENTRY_Matrix_Operator_AddRight_Complex, "2+1i 0+1i\r0+1i 4+1i\r"},
        {CM_ENTRY_Matrix_Operator_Subtract_Complex, "2-1i 0-1i\r0-1i 4-1i\r"},
        {CM_ENTRY_Matrix_Operator_SubtractRight_Complex, "-2+1i 0+1i\r0+1i -4+1i\r"},
        {CM_ENTRY_Matrix_Operator_Multiply_Complex, "0+2i 0\r0 0+4i\r"},
        {CM_ENTRY_Matrix_Operator_MultiplyRight_Complex, "0+2i 0\r0 0+4i\r"},
        {CM_ENTRY_Matrix_Operator_Divide_Complex, "0-2i 0\r0 0-4i\r"},
        {CM_ENTRY_Matrix_Operator_DivideRight_Complex, "0+0.5i 0\r0 0+0.25i\r"},
    };
    for (const auto &c : with_i) {
        SCOPED_TRACE(cm::kDeclarations[c.entry]);
        const Object r = binary(c.entry, a, i);
        ASSERT_TRUE(r);
        EXPECT_EQ(r.class_name(), "ComplexMatrix");
        EXPECT_EQ(compare(CM_ENTRY_ComplexMatrix_Operator_Compare_ComplexMatrix, r, complex_matrix(c.expected)), 0)
            << complex_matrix_str(r);
    }
}

struct ErrorCase {
    const char *name;
    std::function<bool(void)> call; // true when the entry returned its zero result
    const char *raised;
};

TEST_F(Library, RaisesTheLibraryErrors) {
    const Object square = matrix("1 2\r3 4\r");
    const Object wide = matrix("1 2 3\r4 5 6\r");
    const Object singular = matrix("1 2\r2 4\r");
    const Object zero = complex(0, 0);
    const int element = CM_ENTRY_Matrix_Element;
    const int sized = CM_ENTRY_Matrix_Constructor_Shape;
    const auto no_result = [](int entry, const Object &self, const Object &x) { return !binary(entry, self, x); };
    const ErrorCase cases[] = {
        {"ElementPastTheEnd", [&] { return host().call<double>(element, square.get(), int64_t{2}, int64_t{0}) == 0.0; },
         "BadEntryNumberException"},
        {"ElementNegative", [&] { return host().call<double>(element, square.get(), int64_t{0}, int64_t{-1}) == 0.0; },
         "BadEntryNumberException"},
        {"ProductOfMismatchedShapes", [&] { return no_result(CM_ENTRY_Matrix_Operator_Multiply_Matrix, wide, wide); },
         "RowColumnMismatch"},
        {"SumOfMismatchedShapes", [&] { return no_result(CM_ENTRY_Matrix_Operator_Add_Matrix, square, wide); },
         "RowColumnMismatch"},
        {"DifferenceOfMismatchedShapes",
         [&] { return no_result(CM_ENTRY_Matrix_Operator_Subtract_Matrix, wide, square); }, "RowColumnMismatch"},
        {"DivideByZeroDouble", [&] { return !with_double(CM_ENTRY_Matrix_Operator_Divide_Double, square, 0.0); },
         "DivideByZeroException"},
        {"DivideByZeroComplex", [&] { return no_result(CM_ENTRY_Matrix_Operator_Divide_Complex, square, zero); },
         "DivideByZeroException"},
        {"DivideBySingular", [&] { return no_result(CM_ENTRY_Matrix_Operator_Divide_Matrix, square, singular); },
         "DivideByZeroException"},
        {"DivideByNonSquare", [&] { return no_result(CM_ENTRY_Matrix_Operator_Divide_Matrix, square, wide); },
         "RowColumnMismatch"},
        {"DoubleOverSingular", [&] { return !with_double(CM_ENTRY_Matrix_Operator_DivideRight_Double, singular, 1.0); },
         "DivideByZeroException"},
        {"NegativeCount",
         [&] {
             Object m = make("Matrix");
             host().call<void>(sized, m.get(), int64_t{-1}, int64_t{2});
             return rows(m) == 0;
         },
         "BadArgumentException"},
        {"CountsTooLarge",
         [&] {
             Object m = make("Matrix");
             host().call<void>(sized, m.get(), std::numeric_limits<int64_t>::max(), int64_t{2});
             return rows(m) == 0;
         },
         "OverflowOrUnderflowException"},
        {"NilOperand", [&] { return no_result(CM_ENTRY_Matrix_Operator_Multiply_Matrix, square, Object()); },
         "BadArgumentException"},
        {"OperandOfAnotherClass", [&] { return no_result(CM_ENTRY_Matrix_Operator_Multiply_Matrix, square, zero); },
         "BadArgumentException"},
    };
    for (const ErrorCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(c.call());
        expect_raised(c.raised);
    }
}

TEST_F(Library, CompareIsZeroOnlyForEqualMatrices) {
    const int compare_m = CM_ENTRY_Matrix_Operator_Compare_Matrix;
    const Object a = matrix("1 2\r3 4\r");
    EXPECT_EQ(compare(compare_m, a, matrix("1 2\r3 4\r")), 0);
    EXPECT_EQ(compare(compare_m, matrix("nan 0\r"), matrix("NaN -0\r")), 0);
    // Unequal pairs: one way -1, the other 1 (by shape first, then values row by row).
    const Object others[] = {matrix("1 2\r3 5\r"), matrix("1 2 3\r4 5 6\r"), matrix("1 2\r"), matrix("0 9\r9 9\r"),
                             matrix("1 2\r3 nan\r")};
    for (const Object &b : others) {
        const int64_t ab = compare(compare_m, a, b);
        EXPECT_TRUE(ab == -1 || ab == 1) << matrix_str(b);
        EXPECT_EQ(compare(compare_m, b, a), -ab) << matrix_str(b);
    }
    EXPECT_EQ(compare(compare_m, a, matrix("1 2\r3 5\r")), -1);
    EXPECT_EQ(compare(compare_m, a, Object()), 1);
    expect_nothing_raised();

    EXPECT_EQ(compare(CM_ENTRY_Matrix_Operator_Compare_ComplexMatrix, a, complex_matrix("1 2-0i\r3 4\r")), 0);
    EXPECT_EQ(compare(CM_ENTRY_ComplexMatrix_Operator_Compare_Matrix, complex_matrix("1 2\r3 4+1i\r"), a), 1);
}

TEST_F(Library, ComplexNumbers) {
    Object z = make("Complex");
    host().call<void>(CM_ENTRY_Complex_Constructor_Text, z.get(), host().string(" 1e-3-4i\r"));
    EXPECT_EQ(host().call<double>(CM_ENTRY_Complex_Real, z.get()), 0.001);
    EXPECT_EQ(host().call<double>(CM_ENTRY_Complex_Imag, z.get()), -4.0);
    EXPECT_EQ(complex_str(z), "0.001-4i");
    EXPECT_EQ(str(z, CM_ENTRY_Complex_Str2EE), "1.00000e-03-4.00000e+00i");

    host().call<void>(CM_ENTRY_Complex_Constructor_Text, z.get(), host().string("3 + 4i"));
    expect_raised("BadArgumentException");
    host().call<void>(CM_ENTRY_Complex_Constructor_Double, z.get(), 2.5);
    EXPECT_EQ(complex_str(z), "2.5+0i");
    host().call<void>(CM_ENTRY_Complex_Constructor, z.get());
    EXPECT_EQ(complex_str(z), "0+0i");

    const Object a = complex(1, 2);
    const Object b = complex(3, -1);
    EXPECT_EQ(complex_str(binary(CM_ENTRY_Complex_Operator_Multiply_Complex, a, b)), "5+5i");
    const Object quotient =
        binary(CM_ENTRY_Complex_Operator_Divide_Complex, binary(CM_ENTRY_Complex_Operator_Multiply_Complex, a, b), b);
    EXPECT_NEAR(host().call<double>(CM_ENTRY_Complex_Real, quotient.get()), 1.0, 1e-15);
    EXPECT_NEAR(host().call<double>(CM_ENTRY_Complex_Imag, quotient.get()), 2.0, 1e-15);
    EXPECT_EQ(complex_str(with_double(CM_ENTRY_Complex_Operator_SubtractRight, a, 1)), "0-2i");
    EXPECT_EQ(complex_str(with_double(CM_ENTRY_Complex_Operator_DivideRight, a, 5)), "1-2i");
    EXPECT_EQ(str(a, CM_ENTRY_Complex_Str2), "1+2i");

    EXPECT_FALSE(binary(CM_ENTRY_Complex_Operator_Divide_Complex, a, complex(0, 0)));
    expect_raised("DivideByZeroException");
    EXPECT_FALSE(with_double(CM_ENTRY_Complex_Operator_Divide_Double, a, 0.0));
    expect_raised("DivideByZeroException");
    EXPECT_FALSE(with_double(CM_ENTRY_Complex_Operator_DivideRight, complex(0, 0), 1.0));
    expect_raised("DivideByZeroException");

    const int compare_z = CM_ENTRY_Complex_Operator_Compare;
    EXPECT_EQ(compare(compare_z, a, complex(1, 2)), 0);
    EXPECT_EQ(compare(compare_z, a, b), -1);
    EXPECT_EQ(compare(compare_z, b, a), 1);
    EXPECT_EQ(compare(compare_z, a, complex(1, 3)), -1);
}

TEST_F(Library, ComplexMatrixPartsAndElementsAreNewObjects) {
    const Object m = complex_matrix("1+2i  -3i\r4\t5-0.5i\r");
    EXPECT_EQ(host().call<int64_t>(CM_ENTRY_ComplexMatrix_NumRows, m.get()), 2);
    EXPECT_EQ(host().call<int64_t>(CM_ENTRY_ComplexMatrix_NumColumns, m.get()), 2);
    EXPECT_EQ(complex_matrix_str(m), "1+2i  0-3i\r4+0i  5-0.5i\r");

    const Object re(host().call<cm_object *>(CM_ENTRY_ComplexMatrix_Real, m.get()));
    const Object im(host().call<cm_object *>(CM_ENTRY_ComplexMatrix_Imag, m.get()));
    ASSERT_TRUE(re && im);
    EXPECT_EQ(re.class_name(), "Matrix");
    EXPECT_EQ(matrix_str(re), "1  0\r4  5\r");
    EXPECT_EQ(matrix_str(im), "2  -3\r0  -0.5\r");

    const int element = CM_ENTRY_ComplexMatrix_Element;
    const Object e(host().call<cm_object *>(element, m.get(), int64_t{1}, int64_t{1}));
    ASSERT_TRUE(e);
    EXPECT_EQ(e.class_name(), "Complex");
    EXPECT_EQ(complex_str(e), "5-0.5i");
    EXPECT_EQ(host().call<cm_object *>(element, m.get(), int64_t{0}, int64_t{2}), nullptr);
    expect_raised("BadEntryNumberException");

    const Object bad = complex_matrix("1+2i 3\r4\r");
    expect_nothing_raised();
    EXPECT_EQ(host().call<int64_t>(CM_ENTRY_ComplexMatrix_NumRows, bad.get()), 0);
}

TEST_F(Library, ComplexMatrixArithmetic) {
    const Object m = complex_matrix("1+1i 0\r0 2\r");
    const Object r = matrix("1 2\r3 4\r");
    EXPECT_EQ(complex_matrix_str(binary(CM_ENTRY_ComplexMatrix_Operator_Multiply_Matrix, m, r)),
              "1+1i  2+2i\r6+0i  8+0i\r");
    EXPECT_EQ(complex_matrix_str(binary(CM_ENTRY_ComplexMatrix_Operator_MultiplyRight_Matrix, m, r)),
              "1+1i  4+0i\r3+3i  8+0i\r");
    EXPECT_EQ(complex_matrix_str(binary(CM_ENTRY_ComplexMatrix_Operator_SubtractRight_Matrix, m, r)),
              "0-1i  2+0i\r3+0i  2+0i\r");
    EXPECT_EQ(complex_matrix_str(with_double(CM_ENTRY_ComplexMatrix_Operator_Add_Double, m, 1)),
              "2+1i  1+0i\r1+0i  3+0i\r");
    // Dividing by a matrix multiplies by its inverse.
    EXPECT_EQ(complex_matrix_str(binary(CM_ENTRY_ComplexMatrix_Operator_Divide_ComplexMatrix, m, m)),
              "1+0i  0+0i\r0+0i  1+0i\r");
    EXPECT_EQ(complex_matrix_str(with_double(CM_ENTRY_ComplexMatrix_Operator_DivideRight_Double, m, 2)),
              "1-1i  0+0i\r0+0i  1+0i\r");
    EXPECT_EQ(complex_matrix_str(Object(host().call<cm_object *>(CM_ENTRY_ComplexMatrix_Operator_Negate, m.get()))),
              "-1-1i  -0-0i\r-0-0i  -2-0i\r");

    EXPECT_FALSE(binary(CM_ENTRY_ComplexMatrix_Operator_Add_Matrix, m, matrix("1 2 3\r")));
    expect_raised("RowColumnMismatch");
    EXPECT_FALSE(binary(CM_ENTRY_ComplexMatrix_Operator_Divide_Matrix, m, matrix("1 1\r1 1\r")));
    expect_raised("DivideByZeroException");
    EXPECT_FALSE(with_double(CM_ENTRY_ComplexMatrix_Operator_Divide_Double, m, 0.0));
    expect_raised("DivideByZeroException");
}

TEST_F(Library, Polynomial) {
    Object p = make("Polynomial");
    const int from_text = CM_ENTRY_Polynomial_Constructor_Text;
    host().call<void>(from_text, p.get(), int64_t{3}, host().string("1  2i\r3-4i\r"));
    EXPECT_EQ(str(p, CM_ENTRY_Polynomial_Str), "(1+0i) + (0+2i)x + (3-4i)x^2");
    const int coeff = CM_ENTRY_Polynomial_Coeff;
    const Object c2(host().call<cm_object *>(coeff, p.get(), int64_t{2}));
    ASSERT_TRUE(c2);
    EXPECT_EQ(complex_str(c2), "3-4i");

    host().call<void>(CM_ENTRY_Polynomial_SetCoeff_Complex, p.get(), int64_t{0}, complex(7, 1).get());
    host().call<void>(CM_ENTRY_Polynomial_SetCoeff_ReIm, p.get(), int64_t{1}, -1.0, 0.0);
    EXPECT_EQ(str(p, CM_ENTRY_Polynomial_Str), "(7+1i) + (-1+0i)x + (3-4i)x^2");

    EXPECT_EQ(host().call<cm_object *>(coeff, p.get(), int64_t{3}), nullptr);
    expect_raised("BadEntryNumberException");
    host().call<void>(CM_ENTRY_Polynomial_SetCoeff_ReIm, p.get(), int64_t{-1}, 1.0, 1.0);
    expect_raised("BadEntryNumberException");
    host().call<void>(from_text, p.get(), int64_t{2}, host().string("1 2 3"));
    expect_raised("BadArgumentException");
    host().call<void>(from_text, p.get(), int64_t{1}, host().string("x"));
    expect_raised("BadArgumentException");
    EXPECT_EQ(str(p, CM_ENTRY_Polynomial_Str), "(7+1i) + (-1+0i)x + (3-4i)x^2");

    host().call<void>(CM_ENTRY_Polynomial_Constructor, p.get());
    EXPECT_EQ(str(p, CM_ENTRY_Polynomial_Str), "(0+0i)");
}

TEST_F(Library, ExitHookFreesContentsOnceAndToleratesNone) {
    const struct {
        const char *name;
        int exit;
    } classes[] = {{"Matrix", CM_ENTRY_Matrix_Exit},
                   {"Complex", CM_ENTRY_Complex_Exit},
                   {"ComplexMatrix", CM_ENTRY_ComplexMatrix_Exit},
                   {"Polynomial", CM_ENTRY_Polynomial_Exit}};
    for (const auto &c : classes) {
        Object object = make(c.name);
        ASSERT_TRUE(object) << c.name;
        EXPECT_NE(host().api().get_data(object.get()), nullptr) << c.name;
        // Freed early; the release runs __exit once more on no contents.
        host().call<void>(c.exit, object.get());
        EXPECT_EQ(host().api().get_data(object.get()), nullptr) << c.name;
    }
    // A member called on an object without contents raises instead of crashing.
    Object m = make("Matrix");
    host().call<void>(CM_ENTRY_Matrix_Exit, m.get());
    EXPECT_EQ(rows(m), 0);
    expect_raised("RuntimeException");
}

} // namespace
