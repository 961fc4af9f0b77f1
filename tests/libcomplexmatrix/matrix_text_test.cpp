#include "matrix_text.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "number_text.h"

namespace {

using cmlib::read_matrix;
using cmlib::write_matrix;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Equal as the same double, NaN where NaN (and -0 apart from 0).
bool same_double(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

::testing::AssertionResult same_matrix(const Eigen::MatrixXd &actual, const Eigen::MatrixXd &expected) {
    if (actual.rows() != expected.rows() || actual.cols() != expected.cols()) {
        return ::testing::AssertionFailure() << "shape " << actual.rows() << " x " << actual.cols() << ", expected "
                                             << expected.rows() << " x " << expected.cols();
    }
    for (Eigen::Index r = 0; r < actual.rows(); ++r) {
        for (Eigen::Index c = 0; c < actual.cols(); ++c) {
            if (!same_double(actual(r, c), expected(r, c))) {
                return ::testing::AssertionFailure()
                       << "(" << r << ", " << c << ") is " << actual(r, c) << ", expected " << expected(r, c);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

Eigen::MatrixXd rows_of(Eigen::Index rows, Eigen::Index columns, std::vector<double> values) {
    return Eigen::Map<Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>>(values.data(), rows,
                                                                                              columns);
}

struct ReadCase {
    const char *name;
    std::string text;
    Eigen::MatrixXd expected;
};

void PrintTo(const ReadCase &c, std::ostream *os) { *os << c.name; }

class ReadMatrixTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadMatrixTest, ReadsTheValues) { EXPECT_TRUE(same_matrix(read_matrix(GetParam().text), GetParam().expected)); }

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadMatrixTest,
    ::testing::Values(
        // The diagonal matrix as the conversion writes it: Str numbers, five blanks after each.
        ReadCase{"DiagonalPass", "1     0     0     \r0     1.4142     0     \r0     0     0.9487     \r",
                 rows_of(3, 3, {1, 0, 0, 0, 1.4142, 0, 0, 0, 0.9487})},
        ReadCase{"StrNumbers", "1e+20     -2.5     \r0.1     5e-324     \r", rows_of(2, 2, {1e20, -2.5, 0.1, 5e-324})},
        // A product written back with the two patterns: grouping commas, minus signs, three blanks.
        ReadCase{"CovariancePass", "1,234,567.891   -21.9961   \r100,000,000,000,000,000,000   0   \r",
                 rows_of(2, 2, {1234567.891, -21.9961, 1e20, 0})},
        ReadCase{"CorrelationPass", "1   -0.2121   \r-0.2121   1   \r", rows_of(2, 2, {1, -0.2121, -0.2121, 1})},
        ReadCase{"Tabs", "1\t2\t\t3\r4\t5\t6\r", rows_of(2, 3, {1, 2, 3, 4, 5, 6})},
        ReadCase{"RunsAndEdgeBlanks", "   1    2  \r \t3 4\t \r", rows_of(2, 2, {1, 2, 3, 4})},
        ReadCase{"LastLineWithoutEnd", "1 2\r3 4", rows_of(2, 2, {1, 2, 3, 4})},
        ReadCase{"CrLf", "1 2\r\n3 4\r\n", rows_of(2, 2, {1, 2, 3, 4})},
        ReadCase{"Lf", "1 2\n3 4\n", rows_of(2, 2, {1, 2, 3, 4})},
        ReadCase{"MixedLineEnds", "1 2\r3 4\n5 6\r\n", rows_of(3, 2, {1, 2, 3, 4, 5, 6})},
        ReadCase{"NoBreakSpaces",
                 "1\xC2\xA0"
                 "2\r\xC2\xA0"
                 "3\xC2\xA0\xC2\xA0"
                 "4\xC2\xA0\r",
                 rows_of(2, 2, {1, 2, 3, 4})},
        ReadCase{"EmptyLinesAtTheEnd", "1 2\r3 4\r\r   \r\n\t\r", rows_of(2, 2, {1, 2, 3, 4})},
        ReadCase{"EmptyLinesAtTheStart", "\r\n  \r1 2\r3 4\r", rows_of(2, 2, {1, 2, 3, 4})},
        ReadCase{"OneColumn", "1.0000\r1.4142\r0.9487\r", rows_of(3, 1, {1, 1.4142, 0.9487})},
        ReadCase{"SignsFractionsExponents", "+1e3 -2.5E-2 .5 5. 1.5e+2 -0\r",
                 rows_of(1, 6, {1000, -0.025, 0.5, 5, 150, -0.0})},
        ReadCase{"Grouping", "1,234 12,345,678.5 -1,234.5 +100,000 999\r",
                 rows_of(1, 5, {1234, 12345678.5, -1234.5, 100000, 999})},
        ReadCase{"InfinityAndNaN", "inf -Inf +INF nan -NaN\r", rows_of(1, 5, {kInf, -kInf, kInf, kNaN, kNaN})},
        ReadCase{"Subnormal", "4.9406564584124654e-324\r", rows_of(1, 1, {5e-324})},
        ReadCase{"Empty", "", Eigen::MatrixXd(0, 0)}),
    [](const ::testing::TestParamInfo<ReadCase> &info) { return info.param.name; });

// Text that is no matrix gives 0 x 0, so the caller's shape check reports it.
class MalformedTextTest : public ::testing::TestWithParam<std::string> {};

TEST_P(MalformedTextTest, GivesNoMatrix) {
    const Eigen::MatrixXd m = read_matrix(GetParam());
    EXPECT_EQ(m.rows(), 0);
    EXPECT_EQ(m.cols(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MalformedTextTest,
    ::testing::Values(std::string("\r"), std::string("  \t\r\r"), std::string("1 2\r3\r"), std::string("1\r2 3\r"),
                      std::string("1 2\r\r3 4\r"), std::string("1 2\r  \r3 4\r"), std::string("\r1 2\r\r3 4\r"),
                      std::string("1 x\r"), std::string("1 2a\r"), std::string("1-2\r"), std::string("1,5\r"),
                      std::string("1234,567\r"), std::string("1,2345\r"), std::string("1,234,56\r"),
                      std::string(",123\r"), std::string("1,\r"), std::string("1,,234\r"), std::string("1.2.3\r"),
                      std::string("1.,234\r"), std::string("1e\r"), std::string("1e+\r"), std::string("--1\r"),
                      std::string("+\r"), std::string(".\r"), std::string("-.e5\r"), std::string("0x10\r"),
                      std::string("infinity\r"), std::string("nan(1)\r"), std::string("1 2\0 3\r", 7),
                      std::string("1\0", 2), std::string("1 \xC3\xA9\r"),
                      std::string("1\xA0"
                                  "2\r"),
                      std::string("1\xC2 2\r"), std::string("1 2\xC2"), std::string("\xFF\xFE"), std::string("1\f2\r"),
                      std::string("1\v2\r"), std::string("1;2\r"), std::string("1, 2\r"),
                      // Decimal commas: a grouped number starts with a group that is neither 0 nor has a leading 0.
                      std::string("0,350\r"), std::string("-0,5\r"), std::string("00,125\r"),
                      std::string("01,000\r"), std::string("0,000\r"), std::string("1,000 0,350\r")));

// Numbers whose digits and power of ten are exact doubles are worked out by
// one division or multiplication; they must give the very double that
// from_chars gives, around the limits of that path too, and end where the
// number ends.
TEST(ScanReal, NumbersGiveTheCorrectlyRoundedDouble) {
    const char *const texts[] = {"0",
                                 "-0",
                                 "7",
                                 "5.",
                                 ".5",
                                 "-0.1234",
                                 "0.30000000000000004",
                                 "000000000000001",
                                 "0.00000000000001",
                                 "123456789012345",
                                 "1234567890123456",
                                 "12345678.9012345",
                                 "9007199254740993",
                                 "0.1000000000000000055511151231257827",
                                 "99999999999999.9",
                                 "1.2345e2",
                                 "-1,234.5",
                                 "9007199254740992",
                                 "9007199254740993e-22",
                                 "1234567890123456789",
                                 "12345678901234567890",
                                 "1e22",
                                 "1e23",
                                 "1.5e-22",
                                 "15e-23",
                                 "+12,345,678,901,234,567.125e-3"};
    for (const char *text : texts) {
        std::string plain;
        for (const char *c = *text == '+' ? text + 1 : text; *c; ++c)
            if (*c != ',') plain += *c;
        double expected = 0.0;
        std::from_chars(plain.data(), plain.data() + plain.size(), expected);
        double value = 1.0;
        EXPECT_EQ(cmlib::scan_real(std::string(text) + "  x", value), std::strlen(text)) << text;
        EXPECT_EQ(std::bit_cast<uint64_t>(value), std::bit_cast<uint64_t>(expected)) << text;
    }
}

// Beyond the double range a number reads as strtod reads it: the infinity
// of its sign when too large, the nearest double (a subnormal or a zero of
// its sign) when too small. So the request's finite-number check reports it.
TEST(ScanReal, NumbersBeyondTheDoubleRangeReadAsTheNearestDouble) {
    const std::string huge = "1" + std::string(400, '0');
    const std::string tiny = "0." + std::string(400, '0') + "1";
    struct Case {
        std::string text;
        double expected;
    };
    const Case cases[] = {{"1e999", kInf},
                          {"-1e999", -kInf},
                          {"+1E400", kInf},
                          {huge, kInf},
                          {"-" + huge + ".5", -kInf},
                          {huge + "e-50", kInf},
                          {"1,000e306", kInf},
                          {"179,769,313,486,231,590,000e288", kInf},
                          {"1.7976931348623159e308", kInf},
                          {"1.7976931348623157e308", std::numeric_limits<double>::max()},
                          {"1e-999", 0.0},
                          {"-1e-999", -0.0},
                          {tiny, 0.0},
                          {huge + "e-999", 0.0},
                          {"0.0001e-400", 0.0},
                          {"2.4703282292062327e-324", 0.0},
                          {"2.4703282292062328e-324", 5e-324},
                          {"-3e-324", -5e-324},
                          {"1e-310", 1e-310},
                          {"0e999", 0.0}};
    for (const Case &c : cases) {
        double value = 1.0;
        EXPECT_EQ(cmlib::scan_real(c.text + " x", value), c.text.size()) << c.text;
        EXPECT_EQ(std::bit_cast<uint64_t>(value), std::bit_cast<uint64_t>(c.expected)) << c.text << " gave " << value;
    }
    const Eigen::MatrixXd m = read_matrix("1e999 -1e999\r1 2\r");
    ASSERT_EQ(m.rows(), 2);
    ASSERT_EQ(m.cols(), 2);
    EXPECT_EQ(m(0, 0), kInf);
    EXPECT_EQ(m(0, 1), -kInf);
    EXPECT_EQ(cmlib::parse_complex("1-1e999i"), std::complex<double>(1, -kInf));
}

// The shortest writer finds most texts in integers of its own; over many
// values of every kind it must write what to_chars writes, byte for byte:
// plain digits from 1e-5 up to 1e16, to_chars's own choice beyond.
TEST(WriteShortest, WritesWhatToCharsWrites) {
    const auto expected_text = [](double x) {
        if (std::isnan(x)) return std::string("nan");
        std::array<char, 64> buffer;
        const double magnitude = std::fabs(x);
        const auto result = x == 0.0 || (magnitude >= 1e-5 && magnitude < 1e16)
                                ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::fixed)
                                : std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
        return std::string(buffer.data(), result.ptr);
    };
    std::mt19937_64 random(20261210);
    std::uniform_int_distribution<int> decimals(0, 12);
    std::uniform_int_distribution<int64_t> units(-100'000'000, 100'000'000);
    std::vector<double> values = {0.0, -0.0, 1e-5, 0.99999e-5, 1e16, 9999999999999998.0, 0.1, 0.3, 1.0 / 3.0,
                                  5e-324, std::numeric_limits<double>::max(), kInf, -kInf, kNaN};
    for (int k = 0; k < 100'000; ++k) {
        values.push_back(std::bit_cast<double>(random()));                                    // any double
        values.push_back(static_cast<double>(units(random)) / std::pow(10.0, decimals(random))); // a few decimals
        values.push_back(std::ldexp(static_cast<double>(random() >> 11), -60 + decimals(random) * 6));
    }
    int mismatches = 0;
    for (const double x : values) {
        const std::string written = cmlib::format_shortest(x);
        if (written != expected_text(x) && ++mismatches <= 5)
            ADD_FAILURE() << std::hexfloat << x << ": " << written << " instead of " << expected_text(x);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(WriteMatrix, AlignsColumnsOnTheDecimalPoint) {
    EXPECT_EQ(write_matrix(rows_of(2, 2, {1, -2.5, 10.25, 3})), " 1     -2.5\r10.25   3\r");
    // Exponents stand right of the integer part; inf and nan are integer parts.
    EXPECT_EQ(write_matrix(rows_of(3, 2, {1e20, kInf, 0.5, -kInf, 12, kNaN})),
              " 1e+20   inf\r 0.5    -inf\r12       nan\r");
    EXPECT_EQ(write_matrix(rows_of(1, 3, {0.1, 1.0 / 3.0, -0.0})), "0.1  0.3333333333333333  -0\r");
}

TEST(WriteMatrix, UsesPlainDigitsForEverydaySizes) {
    EXPECT_EQ(write_matrix(rows_of(1, 3, {100000, 1e6, 123456789012345.0})), "100000  1000000  123456789012345\r");
    EXPECT_EQ(write_matrix(rows_of(1, 2, {0.00001, 1e-6})), "0.00001  1e-06\r");
    EXPECT_EQ(write_matrix(rows_of(1, 1, {1e16})), "1e+16\r");
}

TEST(WriteMatrix, EmptyMatrixGivesEmptyText) {
    EXPECT_EQ(write_matrix(Eigen::MatrixXd(0, 0)), "");
    EXPECT_EQ(write_matrix(Eigen::MatrixXd(3, 0)), "");
}

TEST(WriteMatrix, ReadsBackToTheSameMatrix) {
    const double max = std::numeric_limits<double>::max();
    const double denorm = std::numeric_limits<double>::denorm_min();
    const Eigen::MatrixXd extremes = rows_of(3, 4,
                                             {0.1, 1.0 / 3.0, -0.0, 1e-300, denorm, max, -max, kInf, -kInf, kNaN,
                                              123456789012345680000.0, 2.2250738585072014e-308});
    EXPECT_TRUE(same_matrix(read_matrix(write_matrix(extremes)), extremes));

    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> spread(-1e6, 1e6);
    std::uniform_int_distribution<int> exponent(-300, 300);
    Eigen::MatrixXd big(100, 100);
    for (Eigen::Index k = 0; k < big.size(); ++k)
        big(k) = spread(random) * std::pow(10.0, exponent(random));
    EXPECT_TRUE(same_matrix(read_matrix(write_matrix(big)), big));
}

TEST(WriteComplexMatrix, PadsColumnsOnTheRightAndReadsBack) {
    Eigen::MatrixXcd m(2, 2);
    m << std::complex<double>(1, 2), std::complex<double>(3, 0), std::complex<double>(-0.5, -2),
        std::complex<double>(4, 4);
    const std::string text = cmlib::write_complex_matrix(m);
    EXPECT_EQ(text, "1+2i     3+0i\r-0.5-2i  4+4i\r");
    EXPECT_EQ(cmlib::read_complex_matrix(text), m);
    EXPECT_EQ(cmlib::write_complex_matrix(Eigen::MatrixXcd(0, 2)), "");
}

TEST(WriteMatrix, ShortFormHasSixDigits) {
    EXPECT_EQ(cmlib::write_matrix_short(rows_of(2, 2, {1.0 / 3.0, 2, 1e20, -kNaN})), "0.333333 2\r1e+20 nan\r");
    EXPECT_EQ(cmlib::write_matrix_short(Eigen::MatrixXd(0, 0)), "");
}

struct ComplexCase {
    const char *text;
    double re;
    double im;
};

class ParseComplexTest : public ::testing::TestWithParam<ComplexCase> {};

TEST_P(ParseComplexTest, ReadsBothParts) {
    const auto z = cmlib::parse_complex(GetParam().text);
    ASSERT_TRUE(z.has_value()) << GetParam().text;
    EXPECT_TRUE(same_double(z->real(), GetParam().re)) << z->real();
    EXPECT_TRUE(same_double(z->imag(), GetParam().im)) << z->imag();
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseComplexTest,
                         ::testing::Values(ComplexCase{"3", 3, 0}, ComplexCase{"-2.5i", 0, -2.5},
                                           ComplexCase{"1+2i", 1, 2}, ComplexCase{"1e-3-4i", 0.001, -4},
                                           ComplexCase{"1e-3i", 0, 0.001}, ComplexCase{"i", 0, 1},
                                           ComplexCase{"-i", 0, -1}, ComplexCase{"2-i", 2, -1},
                                           ComplexCase{" \t1,000+2i\r\n", 1000, 2}, ComplexCase{"inf-nani", kInf, kNaN},
                                           ComplexCase{"-0-0i", -0.0, -0.0}));

TEST(ParseComplex, RefusesOtherText) {
    for (const char *text : {"", "  ", "1+", "1+2", "i2", "1 + 2i", "1+2j", "1+2ii", "2ei", "1+-2i", "abc", "1,5i",
                             "1+2i3", "1+2i 3"}) {
        EXPECT_FALSE(cmlib::parse_complex(text).has_value()) << '"' << text << '"';
    }
}

TEST(FormatComplex, WritesBothPartsAndReadsBack) {
    EXPECT_EQ(cmlib::format_complex({3, 4}), "3+4i");
    EXPECT_EQ(cmlib::format_complex({-0.5, -2}), "-0.5-2i");
    EXPECT_EQ(cmlib::format_complex({0, kNaN}), "0+nani");
    EXPECT_EQ(cmlib::format_complex_short({1.0 / 3.0, 1}), "0.333333+1i");
    EXPECT_EQ(cmlib::format_complex_exponent({3, -4}), "3.00000e+00-4.00000e+00i");
    for (const std::complex<double> z : {std::complex<double>(0.1, -1.0 / 3.0), std::complex<double>(-kInf, 1e-320),
                                         std::complex<double>(-0.0, -0.0), std::complex<double>(kNaN, -kInf)}) {
        const auto back = cmlib::parse_complex(cmlib::format_complex(z));
        ASSERT_TRUE(back.has_value()) << cmlib::format_complex(z);
        EXPECT_TRUE(same_double(back->real(), z.real()) && same_double(back->imag(), z.imag()))
            << cmlib::format_complex(z);
    }
    EXPECT_TRUE(cmlib::parse_complex(cmlib::format_complex_exponent({1.0 / 3.0, 7})).has_value());
}

TEST(ComplexMatrixText, ReadsWritesAndReadsBack) {
    const Eigen::MatrixXcd m = cmlib::read_complex_matrix("1+2i  -3i\r\n4\t5-0.5i\r");
    ASSERT_EQ(m.rows(), 2);
    ASSERT_EQ(m.cols(), 2);
    EXPECT_EQ(m(0, 1), std::complex<double>(0, -3));
    EXPECT_EQ(m(1, 1), std::complex<double>(5, -0.5));

    const std::string text = cmlib::write_complex_matrix(m);
    EXPECT_EQ(text, "1+2i  0-3i\r4+0i  5-0.5i\r");
    EXPECT_EQ(cmlib::read_complex_matrix(text), m);
    EXPECT_EQ(cmlib::write_complex_matrix_short(m), "1+2i 0-3i\r4+0i 5-0.5i\r");

    for (const char *bad : {"1+2i 3\r4\r", "1+2i x\r", "1 + 2i\r", "1\r\r2\r"}) {
        EXPECT_EQ(cmlib::read_complex_matrix(bad).size(), 0) << bad;
    }
}

TEST(ComplexList, ReadsValuesAcrossLines) {
    const auto list = cmlib::read_complex_list("1  2i\r\n3-4i\r\r");
    ASSERT_TRUE(list.has_value());
    EXPECT_EQ(*list, (std::vector<std::complex<double>>{{1, 0}, {0, 2}, {3, -4}}));
    EXPECT_EQ(cmlib::read_complex_list("")->size(), 0u);
    EXPECT_FALSE(cmlib::read_complex_list("1 2 x").has_value());
}

} // namespace
