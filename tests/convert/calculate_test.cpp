#include "convert/calculate.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "convert/module1.h"
#include "framework/presenter.h"
#include "matrix/matrix.h"
#include "tests/support/model_fields.h"
#include "tests/support/request_alert_cases.h"

namespace {

using F = ConversionField;
using request_messages::kLargeNumber;
using request_messages::kSmallNumber;

fw::Ref<Matrix> Read(int64_t rows, int64_t columns, const std::string &text) {
    fw::Ref<Matrix> m = fw::NewObject<Matrix>();
    m->Constructor(rows, columns, text);
    return m;
}

// The library's own text of the matrix that `values` denotes.
std::string LibraryText(const std::string &values, int64_t n) { return Read(n, n, values)->Str().str(); }

class CalculateTest : public testing::Test {
protected:
    void SetUp() override { Module1::which = 1; }

    std::string Convert(int64_t which, const std::string &dim, const std::string &input, const std::string &sd = "") {
        Module1::which = which;
        fields.texts[F::dimFld] = dim;
        fields.texts[which == 1 ? F::corrFld : F::covFld] = input;
        fields.texts[F::sdFld] = sd;
        RunCalculateRequest(fields);
        EXPECT_EQ(presenter.Alerts(), std::vector<std::string>{});
        return fields.Get(which == 1 ? F::covFld : F::corrFld);
    }

    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed{presenter};
    ModelFields fields;
};

TEST_F(CalculateTest, CovarianceToCorrelationGivesTheFirstHelpExample) {
    const std::string result = Convert(2, "3", "1.00    0.30    0.65\r0.30    2.00    1.15\r0.65    1.15    0.90\r");
    EXPECT_EQ(result, LibraryText("1 0.2121 0.6852\r0.2121 1 0.8572\r0.6852 0.8572 1\r", 3));
}

TEST_F(CalculateTest, CovarianceToCorrelationGivesTheSecondHelpExample) {
    const std::string result = Convert(
        2, "3", "29.4849   19.4475   14.4014\r19.4475   14.2129   10.6729\r14.4014   10.6729    8.8804\r");
    EXPECT_EQ(result, LibraryText("1 0.95 0.89\r0.95 1 0.95\r0.89 0.95 1\r", 3));
}

TEST_F(CalculateTest, CorrelationToCovarianceGivesBackTheFirstExampleWithinRounding) {
    const std::string result =
        Convert(1, "3", "1.0000 0.2121 0.6852\r0.2121 1.0000 0.8572\r0.6852 0.8572 1.0000\r", "1.0000\r1.4142\r0.9487\r");
    ASSERT_EQ(result.back(), '\r') << "the covariance text ends with a carriage return and no warning";
    const double expected[3][3] = {{1.00, 0.30, 0.65}, {0.30, 2.00, 1.15}, {0.65, 1.15, 0.90}};
    fw::Ref<Matrix> shown = Read(3, 3, result);
    ASSERT_EQ(NumRows(shown.get()), 3);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_NEAR(shown->Element(i, j), expected[i][j], 5e-4) << i << "," << j;
}

TEST_F(CalculateTest, VarianceOfAStandardDeviationOf4_690Is21_9961) {
    const std::string result = Convert(1, "2", "1 0\r0 1\r", "4.690\r1\r");
    EXPECT_EQ(result, LibraryText("21.9961 0\r0 1\r", 2) + "\r");
}

TEST_F(CalculateTest, ResultTextsAreTheLibraryTextOfThePatternedValues) {
    // Digit grouping, minus signs and four decimals survive the round through
    // the buffer; the correlation's diagonal is exactly 1.
    EXPECT_EQ(Convert(1, "2", "1 -0.5\r-0.5 1\r", "1234.56789\r2\r"),
              LibraryText("1524157.875 -1234.5679\r-1234.5679 4\r", 2) + "\r");
    EXPECT_EQ(Convert(2, "2", "2 -1\r-1 2\r"), LibraryText("1 -0.5\r-0.5 1\r", 2));
}

struct WarningCase {
    const char *name;
    const char *correlation;
    const char *deviations;
    const char *shown;    // the covariances as four-decimal values
    std::string warnings; // what follows the matrix's closing line end
};

void PrintTo(const WarningCase &c, std::ostream *out) { *out << c.name; }

class ResultWarnings : public CalculateTest, public testing::WithParamInterface<WarningCase> {};

// The matrix is written in full whatever the warnings; each warning stands
// once, on its own line after it, the large-number one first.
TEST_P(ResultWarnings, FollowTheMatrixWhenTheyApply) {
    const WarningCase &c = GetParam();
    EXPECT_EQ(Convert(1, "2", c.correlation, c.deviations), LibraryText(c.shown, 2) + "\r" + c.warnings);
}

INSTANTIATE_TEST_SUITE_P(
    Calculate, ResultWarnings,
    testing::Values(
        WarningCase{"AtTheLimit", "999999999 0\r0 1\r", "1\r1\r", "999999999 0\r0 1\r", ""},
        WarningCase{"JustAbove", "999999999.5 0\r0 1\r", "1\r1\r", "999999999.5 0\r0 1\r", kLargeNumber},
        WarningCase{"SeveralAbove", "1 1\r1 1\r", "40000\r50000\r", "1600000000 2000000000\r2000000000 2500000000\r",
                    kLargeNumber},
        WarningCase{"LargeNegativeNever", "1 -2000000000\r-2000000000 1\r", "1\r1\r",
                    "1 -2000000000\r-2000000000 1\r", ""},
        // Small values: four decimals keep two significant digits down to
        // 0.0010; a zero that is exactly zero has lost nothing.
        WarningCase{"TwoDigitsLeft", "1 0.001\r0.001 1\r", "1\r1\r", "1 0.001\r0.001 1\r", ""},
        WarningCase{"RoundsUpToTwoDigits", "1 0.000951\r0.000951 1\r", "1\r1\r", "1 0.001\r0.001 1\r", ""},
        // 0.00095 lies just below its decimal text in binary: rounded down.
        WarningCase{"HalfRoundsDownToOneDigit", "1 0.00095\r0.00095 1\r", "1\r1\r", "1 0.0009\r0.0009 1\r",
                    kSmallNumber},
        WarningCase{"NegativeWithOneDigit", "1 -0.0004\r-0.0004 1\r", "1\r1\r", "1 -0.0004\r-0.0004 1\r",
                    kSmallNumber},
        WarningCase{"ExactZeroNever", "1 0\r0 1\r", "0.5\r1\r", "0.25 0\r0 1\r", ""},
        // Daily returns of stock indices: every covariance is 0.0001 or less.
        WarningCase{"DailyReturns", "1 0.7\r0.7 1\r", "0.0080\r0.0110\r", "0.0001 0.0001\r0.0001 0.0001\r",
                    kSmallNumber},
        WarningCase{"VanishToZero", "1 0.6\r0.6 1\r", "0.0065\r0.0065\r", "0 0\r0 0\r", kSmallNumber},
        WarningCase{"LargeAndSmall", "1 0\r0 1\r", "100000\r0.00001\r", "10000000000 0\r0 0\r",
                    std::string(kLargeNumber) + "\r" + kSmallNumber}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(CalculateTest, ProductJustInsideTheRangeIsWritten) {
    const std::string result = Convert(1, "2", "1 0\r0 1\r", "1.3e154\r1\r");
    const std::size_t warning = result.size() - std::string(kLargeNumber).size();
    ASSERT_EQ(result.substr(warning), kLargeNumber);
    EXPECT_EQ(Read(2, 2, result.substr(0, warning))->Element(0, 0), 1.3e154 * 1.3e154);
}

TEST_F(CalculateTest, DimensionIsTrimmedAndCutTowardZero) {
    EXPECT_EQ(Convert(2, "  3 ", "4 0 0\r0 9 0\r0 0 1\r"), LibraryText("1 0 0\r0 1 0\r0 0 1\r", 3));
    EXPECT_EQ(Convert(2, "2.9", "4 2\r2 9\r"), LibraryText("1 0.3333\r0.3333 1\r", 2));
    std::string hundred;
    for (int i = 0; i < 100; ++i) {
        for (int j = 0; j < 100; ++j) hundred += i == j ? "4 " : "0 ";
        hundred += "\r";
    }
    EXPECT_EQ(Read(100, 100, Convert(2, "100", hundred))->Element(99, 99), 1.0);
}

TEST_F(CalculateTest, UserTextFromSpreadsheetsAndTheHelpTextIsRead) {
    // Tabs and CR LF from a spreadsheet; no-break spaces from the help text.
    EXPECT_EQ(Convert(2, "2", "4\t2\r\n2\t9\r\n"), LibraryText("1 0.3333\r0.3333 1\r", 2));
    EXPECT_EQ(Convert(2, "2", "4\xC2\xA0 2\n\xC2\xA0"
                              "2 9"),
              LibraryText("1 0.3333\r0.3333 1\r", 2));
}

TEST_F(CalculateTest, ScratchFieldKeepsTheLastPassAndARepeatGivesTheSameResult) {
    const std::string first = Convert(1, "2", "1 0.5\r0.5 1\r", "2\r3\r");
    const std::string scratch = fields.Get(F::scratchFld);
    EXPECT_EQ(scratch, "4   3   \r3   9   \r");
    EXPECT_EQ(Convert(1, "2", "1 0.5\r0.5 1\r", "2\r3\r"), first);
    EXPECT_EQ(fields.Get(F::corrFld), "1 0.5\r0.5 1\r") << "the input field is left as it was";
}

TEST_F(CalculateTest, DirectionTwoDoesNotReadTheStandardDeviations) {
    EXPECT_EQ(Convert(2, "2", "1 0\r0 1\r", ""), LibraryText("1 0\r0 1\r", 2));
}

} // namespace
