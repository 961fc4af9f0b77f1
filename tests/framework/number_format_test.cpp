#include "framework/text_functions.h"

#include <cmath>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace {

using fw::Format;
using fw::Str;
using fw::String;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The two patterns the conversion writes its results with.
constexpr const char *kCovariance = "-###,###,###,###.####";
constexpr const char *kCorrelation = "-#.####";

struct FormatCase {
    double x;
    const char *pattern;
    const char *expected;
};

void PrintTo(const FormatCase &c, std::ostream *out) { *out << "Format(" << Str(c.x) << ", \"" << c.pattern << "\")"; }

class FormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, WritesTheNumberByThePattern) {
    const FormatCase &c = GetParam();
    EXPECT_EQ(Format(c.x, c.pattern).str(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    CovariancePattern, FormatTest,
    testing::Values(
        FormatCase{1234567.891, kCovariance, "1,234,567.891"}, FormatCase{-21.99610000001, kCovariance, "-21.9961"},
        FormatCase{4.69 * 4.69, kCovariance, "21.9961"}, FormatCase{1e15, kCovariance, "1,000,000,000,000,000"},
        FormatCase{1e20, kCovariance, "100,000,000,000,000,000,000"}, FormatCase{0.0, kCovariance, "0"},
        FormatCase{999.0, kCovariance, "999"}, FormatCase{1000.0, kCovariance, "1,000"},
        FormatCase{-123456.5, kCovariance, "-123,456.5"}, FormatCase{999999999.0, kCovariance, "999,999,999"},
        FormatCase{0.30000000000000004, kCovariance, "0.3"},
        // The carry of rounding runs through the groups.
        FormatCase{999.99995, kCovariance, "1,000"},
        // Stored just below the half: a rounding of x * 10^4 would say 1,000,000.
        FormatCase{999999.99995, kCovariance, "999,999.9999"}, FormatCase{0.00015, kCovariance, "0.0001"},
        FormatCase{0.00005, kCovariance, "0.0001"}, FormatCase{5e-324, kCovariance, "0"}));

INSTANTIATE_TEST_SUITE_P(CorrelationPattern, FormatTest,
                         testing::Values(FormatCase{0.212132, kCorrelation, "0.2121"},
                                         FormatCase{0.68516, kCorrelation, "0.6852"},
                                         FormatCase{-0.99996, kCorrelation, "-1"}, FormatCase{1.0, kCorrelation, "1"},
                                         FormatCase{-0.5, kCorrelation, "-0.5"},
                                         FormatCase{-0.25, kCorrelation, "-0.25"},
                                         // More integer digits than places: all shown, and no grouping.
                                         FormatCase{12345.6, kCorrelation, "12345.6"}));

// No "-0" however the zero comes about.
INSTANTIATE_TEST_SUITE_P(NegativeZero, FormatTest,
                         testing::Values(FormatCase{-0.0, kCorrelation, "0"}, FormatCase{-0.00004, kCorrelation, "0"},
                                         FormatCase{-0.00004, kCovariance, "0"}, FormatCase{-0.4, "-#", "0"},
                                         FormatCase{-0.001, "+#.##", "+0"}, FormatCase{-0.001, "0.00", "0.00"}));

// Ties (exactly representable halves) go away from zero; everything else by
// its exact binary value.
INSTANTIATE_TEST_SUITE_P(Rounding, FormatTest,
                         testing::Values(FormatCase{2.5, "-#", "3"}, FormatCase{-2.5, "-#", "-3"},
                                         FormatCase{0.5, "-#", "1"}, FormatCase{0.125, "-#.##", "0.13"},
                                         FormatCase{-0.125, "-#.##", "-0.13"}, FormatCase{1.005, "-#.##", "1"},
                                         FormatCase{2.675, "-#.##", "2.67"}, FormatCase{0.145, "-#.##", "0.14"},
                                         FormatCase{9.96, "-#.#", "10"},
                                         // 2^-20 has twenty decimals: all shown, a half at nineteen, below
                                         // the half at eighteen.
                                         FormatCase{0x1p-20, "#.####################", "0.00000095367431640625"},
                                         FormatCase{0x1p-20, "#.###################", "0.0000009536743164063"},
                                         FormatCase{0x1p-20, "#.##################", "0.000000953674316406"},
                                         FormatCase{-(1 + 0x1p-30), "-#.#############################", "-1.00000000093132257461547851563"}));

INSTANTIATE_TEST_SUITE_P(
    PatternLanguage, FormatTest,
    testing::Values(FormatCase{0.5, "0.00", "0.50"}, FormatCase{2.0, "#.0#", "2.0"}, FormatCase{7.0, "000", "007"},
                    FormatCase{7.0, "#00", "07"}, FormatCase{1234.5, "#,##0.00", "1,234.50"},
                    FormatCase{1234567.0, "0000,000", "1,234,567"}, FormatCase{12.0, "0000,000", "0,000,012"},
                    FormatCase{1.25, "+#.#", "+1.3"}, FormatCase{-3.0, "+#", "-3"}, FormatCase{2.5, "#.", "3"},
                    FormatCase{0.25, ".##", "0.25"}, FormatCase{1234.5, "$#,###.## USD", "$1,234.5 USD"},
                    FormatCase{-5.0, "#-", "5-"}, FormatCase{5.0, "#-", "5"}, FormatCase{5.0, "\\##", "#5"},
                    FormatCase{5.0, "# \\- #", "5 - #"}, FormatCase{5.0, "#\\", "5\\"},
                    FormatCase{5.25, "#.#.#", "5.3.#"},
                    // A pattern without a sign place keeps the minus all the same.
                    FormatCase{-3.0, "#", "-3"}, FormatCase{-1234.0, "x #,###", "x -1,234"}));

INSTANTIATE_TEST_SUITE_P(NotFinite, FormatTest,
                         testing::Values(FormatCase{kInf, kCovariance, "inf"}, FormatCase{-kInf, kCovariance, "-inf"},
                                         FormatCase{kNaN, kCovariance, "nan"}, FormatCase{-kNaN, kCorrelation, "nan"},
                                         FormatCase{kInf, "+#", "inf"}));

// What the matrix reader accepts: an optional minus, the integer digits in
// comma groups of three (or none), and an optional fraction.
bool IsReadableNumber(std::string_view text, bool groups) {
    if (text.starts_with('-')) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view integer = text.substr(0, point);
    if (integer.empty()) return false;
    std::size_t run = 0;
    bool first = true;
    for (char c : integer) {
        if (c == ',') {
            if (!groups || run == 0 || run > 3 || (!first && run != 3)) return false;
            first = false;
            run = 0;
        } else if (c >= '0' && c <= '9') {
            ++run;
        } else {
            return false;
        }
    }
    if (run == 0 || (!first && run != 3)) return false;
    if (point == std::string_view::npos) return true;
    const std::string_view fraction = text.substr(point + 1);
    return !fraction.empty() && fraction.find_first_not_of("0123456789") == std::string_view::npos;
}

TEST(FormatReadBack, TextReadsBackWithinHalfALastDecimal) {
    const std::vector<double> values = {0.0,     1e-5,    0.00005,     0.212132,  -0.99996,    1.0 / 3.0,   -2.0 / 3.0,
                                        21.9961, 123.456, -9876.54321, 1e9 + 0.5, -1e12 / 7.0, 999999.99995};
    for (const char *pattern : {kCovariance, kCorrelation}) {
        for (double x : values) {
            const std::string text = Format(x, pattern).str();
            EXPECT_TRUE(IsReadableNumber(text, pattern == kCovariance)) << text;
            std::string plain;
            for (char c : text)
                if (c != ',') plain += c;
            EXPECT_LE(std::fabs(fw::Val(plain) - x), 0.00005 + std::fabs(x) * std::numeric_limits<double>::epsilon())
                << text;
        }
    }
}

TEST(FormatReadBack, HugeValuesShowEveryDigitGrouped) {
    const std::string text = Format(-1e300, kCovariance).str();
    EXPECT_TRUE(IsReadableNumber(text, true)) << text;
    EXPECT_TRUE(text.starts_with("-1,000,000,000,000,000,0")) << text;
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9') digits += c;
    EXPECT_EQ(digits.size(), 301u);
    EXPECT_EQ(fw::Val(digits), 1e300);

    const std::string plain = Format(std::numeric_limits<double>::max(), kCorrelation).str();
    EXPECT_EQ(plain.size(), 309u);
    EXPECT_EQ(fw::Val(plain), std::numeric_limits<double>::max());
}

struct StrCase {
    double x;
    const char *expected;
};

class StrTest : public testing::TestWithParam<StrCase> {};

TEST_P(StrTest, WritesTheShortestText) { EXPECT_EQ(Str(GetParam().x).str(), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Values, StrTest,
                         testing::Values(StrCase{0.1, "0.1"}, StrCase{1e20, "1e+20"}, StrCase{-2.5, "-2.5"},
                                         StrCase{0.0, "0"}, StrCase{1.0, "1"}, StrCase{1.0 / 3.0, "0.3333333333333333"},
                                         StrCase{1.0 / std::sqrt(2.0), "0.7071067811865475"}, StrCase{5e-324, "5e-324"},
                                         StrCase{kInf, "inf"}, StrCase{-kInf, "-inf"}, StrCase{kNaN, "nan"},
                                         StrCase{-kNaN, "nan"}));

TEST(Str, ReadsBackToTheSameDouble) {
    const std::vector<double> values = {0.1,
                                        -0.0,
                                        1.0 / 3.0,
                                        1.0 / std::sqrt(0.9),
                                        2.2250738585072014e-308,
                                        5e-324,
                                        1e-320,
                                        1e308,
                                        std::numeric_limits<double>::max(),
                                        4.690,
                                        1.4142,
                                        -123456789.123456789};
    for (double x : values) {
        const double back = fw::Val(Str(x));
        EXPECT_EQ(back, x) << Str(x);
        EXPECT_EQ(std::signbit(back), std::signbit(x)) << Str(x);
    }
}

TEST(Str, EmptyFormatGivesTheDefaultTextOtherwiseThePattern) {
    EXPECT_EQ(Str(0.1, ""), "0.1");
    EXPECT_EQ(Str(1.0 / 3.0, String()), Str(1.0 / 3.0));
    EXPECT_EQ(Str(1234.56789, kCovariance), "1,234.5679");
    EXPECT_EQ(Str(kInf, ""), "inf");
}

} // namespace
