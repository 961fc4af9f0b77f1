#pragma once

// Every alert of the Calculate request, as one table for both the request's
// own tests (on plain field models) and the window's (on the real controls):
// the fields as the user left them, the one alert that comes, and the field
// that gets the focus afterwards.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace request_messages {
inline constexpr const char *kChooseDirection =
    "Please select either correlation to covariance or covariance to correlation";
inline constexpr const char *kDimension = "Please enter the dimension of the matrix. 2-100 allowed.";
inline constexpr const char *kEnterCorrelation = "Enter data for correlation matrix.";
inline constexpr const char *kCheckCorrelation =
    "Check data. Number of rows and columns do not match the dimension specified for the correlation matrix.";
inline constexpr const char *kEnterDeviations = "Enter standard deviations";
inline constexpr const char *kCheckDeviations =
    "Check data. Number of rows and columns do not match the dimension specified for the standard deviation vector.";
inline constexpr const char *kNegativeDeviation = "Check data. Standard deviations must not be negative.";
inline constexpr const char *kEnterCovariance = "Enter data for covariance matrix.";
inline constexpr const char *kCheckCovariance =
    "Check data. Number of rows and columns do not match the dimension specified for the covariance matrix.";
inline constexpr const char *kBadVariance =
    "Check data. The variances on the diagonal of the covariance matrix must be greater than zero.";
inline constexpr const char *kNotFinite = "Check data. Every value must be a finite number.";
inline constexpr const char *kTooLarge = "Check data. Some results would be too large to compute.";
// The two warning lines after a covariance result.
inline constexpr const char *kLargeNumber = "Very large number encountered. Check results and accept with caution.";
inline constexpr const char *kSmallNumber = "Very small number encountered. Some values are too small for four "
                                            "decimals: rescale the data (for example to other units) before "
                                            "converting.";
} // namespace request_messages

struct RequestAlertCase {
    const char *name;
    int64_t which;
    std::string dimension, correlation, deviations, covariance; // "\r" ends a line
    const char *alert;
    const char *focus; // the field given the focus; nullptr: it stays where it was
};

inline void PrintTo(const RequestAlertCase &c, std::ostream *out) { *out << c.name; }

// Grouped by the check that catches them, in the order the request makes
// its checks; the decimal-comma cases last.
inline const std::vector<RequestAlertCase> &RequestAlertCases() {
    using namespace request_messages;
    static const std::string identity2 = "1 0\r0 1\r";
    static const std::string megabyte(1 << 20, '7');
    static const std::string fourHundredDigits = "1" + std::string(399, '0');
    static const std::vector<RequestAlertCase> cases = {
        {"NoDirection", 0, "", "", "", "", kChooseDirection, nullptr},
        // Only the direction is read: the fields' own problems bring no alert.
        {"UnknownDirection", 7, "3", identity2, "1\r1\r", "", kChooseDirection, nullptr},
        {"DimensionEmpty", 1, "", identity2, "1\r1\r", "", kDimension, "dimFld"},
        {"DimensionOne", 1, "1", identity2, "1\r1\r", "", kDimension, "dimFld"},
        {"DimensionPastHundred", 2, "101", "", "", identity2, kDimension, "dimFld"},
        {"DimensionNotANumber", 1, "abc", "", "", "", kDimension, "dimFld"},
        {"TrimmedDimensionPasses", 1, " 2 ", "1", "", "", kEnterCorrelation, "corrFld"},
        {"CorrelationOfOneCharacter", 1, "2", "1", "1\r1\r", "", kEnterCorrelation, "corrFld"},
        {"CorrelationOfAnotherSize", 1, "3", identity2, "1\r1\r1\r", "", kCheckCorrelation, nullptr},
        {"CorrelationNotANumber", 1, "2", "1 x\r0 1\r", "1\r1\r", "", kCheckCorrelation, nullptr},
        {"CorrelationRagged", 1, "2", "1 0\r0\r", "1\r1\r", "", kCheckCorrelation, nullptr},
        {"CorrelationWithNul", 1, "2", std::string("1 0\r0 1\0\r", 9), "1\r1\r", "", kCheckCorrelation, nullptr},
        {"CorrelationInvalidUtf8", 1, "2", "1 \xFF\r0 1\r", "1\r1\r", "", kCheckCorrelation, nullptr},
        {"CorrelationMegabyte", 1, "2", megabyte, "1\r1\r", "", kCheckCorrelation, nullptr},
        // "nan" and "inf" are read as values but refused, after the shape
        // check of their field and before the checks of the next one.
        {"CorrelationNaN", 1, "2", "1 nan\rnan 1\r", "", "earlier result", kNotFinite, "corrFld"},
        {"CorrelationInf", 1, "2", "1 0\r0 INF\r", "1\r1\r", "", kNotFinite, "corrFld"},
        // A number beyond the range of a double is no finite number either.
        {"CorrelationPastDoubleRange", 1, "2", "1 1e999\r1e999 1\r", "1\r1\r", "", kNotFinite, "corrFld"},
        {"CorrelationNaNWrongShape", 1, "3", "nan 0\r0 1\r", "1\r1\r1\r", "", kCheckCorrelation, nullptr},
        {"NoDeviations", 1, "2", identity2, "", "", kEnterDeviations, nullptr},
        {"DeviationsOfOneCharacter", 1, "2", identity2, "1", "", kEnterDeviations, nullptr},
        {"DeviationsSideBySide", 1, "2", identity2, "1 2\r", "", kCheckDeviations, nullptr},
        {"DeviationsTooFew", 1, "3", "1 0 0\r0 1 0\r0 0 1\r", "1\r2\r", "", kCheckDeviations, nullptr},
        {"DeviationInf", 1, "2", identity2, "inf\r1\r", "earlier result", kNotFinite, "sdFld"},
        {"DeviationMinusInf", 1, "2", identity2, "1\r-inf\r", "", kNotFinite, "sdFld"},
        {"DeviationNaN", 1, "2", identity2, "NaN\r1\r", "", kNotFinite, "sdFld"},
        {"DeviationOfFourHundredDigits", 1, "2", identity2, fourHundredDigits + "\r1\r", "", kNotFinite, "sdFld"},
        {"DeviationNegative", 1, "2", "1 0.5\r0.5 1\r", "2\r-3\r", "earlier result", kNegativeDeviation, "sdFld"},
        // Finite inputs whose product overflows: the field at fault gets the
        // focus, the correlations when the deviations' squares are finite.
        {"ProductPastRangeByCorrelation", 1, "2", "1 -1e308\r-1e308 1\r", "10\r10\r", "earlier result", kTooLarge,
         "corrFld"},
        {"ProductPastRangeByDeviations", 1, "2", "1 0.5\r0.5 1\r", "1e200\r1e200\r", "", kTooLarge, "sdFld"},
        {"ProductPastRangeByOneDeviation", 1, "3", "1 0 0\r0 1 0\r0 0 1\r", "1\r2e154\r1\r", "", kTooLarge, "sdFld"},
        {"NoCovariance", 2, "2", "earlier result", "", "5", kEnterCovariance, "covFld"},
        {"CovarianceOfAnotherSize", 2, "3", "", "", identity2, kCheckCovariance, nullptr},
        {"CovarianceInf", 2, "2", "earlier result", "", "1 inf\rinf 1\r", kNotFinite, "covFld"},
        {"CovarianceMinusInf", 2, "2", "", "", "1 -inf\r0 1\r", kNotFinite, "covFld"},
        {"CovarianceMinusPastDoubleRange", 2, "2", "", "", "1 -1e999\r-1e999 1\r", kNotFinite, "covFld"},
        {"VarianceNaN", 2, "2", "", "", "nan 0\r0 1\r", kNotFinite, "covFld"},
        {"VarianceInf", 2, "2", "", "", "inf 0\r0 1\r", kNotFinite, "covFld"},
        {"VarianceZero", 2, "2", "", "", "1 0\r0 0\r", kBadVariance, "covFld"},
        {"VarianceNegative", 2, "2", "earlier result", "", "1 0\r0 -4\r", kBadVariance, "covFld"},
        // A tiny variance beside a large covariance scales it past the range.
        {"ProductPastRange", 2, "2", "earlier result", "", "1e-300 1e300\r1e300 1\r", kTooLarge, "covFld"},
        // Decimal commas from a spreadsheet are never read as thousands.
        {"CovarianceDecimalComma", 2, "2", "", "", "1,000 0,350\r0,350 1,000\r", kCheckCovariance, nullptr},
        {"CovarianceLeadingZeroGroup", 2, "2", "", "", "01,000 0\r0 1\r", kCheckCovariance, nullptr},
        {"CorrelationDecimalComma", 1, "2", "1 -0,5\r-0,5 1\r", "1\r1\r", "", kCheckCorrelation, nullptr},
        {"DeviationDecimalComma", 1, "2", identity2, "0,350\r1\r", "", kCheckDeviations, nullptr},
    };
    return cases;
}
