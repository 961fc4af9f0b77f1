#include "convert/calculate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <vector>

#include "convert/module1.h"
#include "framework/presenter.h"
#include "framework/runtime.h"
#include "framework/text_functions.h"
#include "matrix/matrix.h"

namespace {

using fw::String;

constexpr const char *kChooseDirection =
    "Please select either correlation to covariance or covariance to correlation";
constexpr const char *kDimension = "Please enter the dimension of the matrix. 2-100 allowed.";
constexpr const char *kEnterCorrelation = "Enter data for correlation matrix.";
constexpr const char *kCheckCorrelation =
    "Check data. Number of rows and columns do not match the dimension specified for the correlation matrix.";
constexpr const char *kEnterDeviations = "Enter standard deviations";
constexpr const char *kCheckDeviations = "Check data. Number of rows and columns do not match the dimension "
                                         "specified for the standard deviation vector.";
constexpr const char *kNegativeDeviation = "Check data. Standard deviations must not be negative.";
constexpr const char *kEnterCovariance = "Enter data for covariance matrix.";
constexpr const char *kCheckCovariance =
    "Check data. Number of rows and columns do not match the dimension specified for the covariance matrix.";
constexpr const char *kBadVariance =
    "Check data. The variances on the diagonal of the covariance matrix must be greater than zero.";
constexpr const char *kNotFinite = "Check data. Every value must be a finite number.";
constexpr const char *kTooLarge = "Check data. Some results would be too large to compute.";
constexpr const char *kLargeNumber = "Very large number encountered. Check results and accept with caution.";
constexpr const char *kSmallNumber = "Very small number encountered. Some values are too small for four decimals: "
                                     "rescale the data (for example to other units) before converting.";

constexpr double kLargeNumberLimit = 999999999.0;
constexpr std::string_view kCovariancePattern = "-###,###,###,###.####";
constexpr std::string_view kCorrelationPattern = "-#.####";
constexpr std::string_view kDiagonalGap = "     ";
constexpr std::string_view kResultGap = "   ";

fw::Ref<Matrix> MatrixFromText(int64_t rows, int64_t columns, const String &text) {
    fw::Ref<Matrix> matrix = fw::NewObject<Matrix>();
    matrix->Constructor(rows, columns, text);
    return matrix;
}

bool IsSquare(Matrix *m, int64_t n) { return NumRows(m) == n && NumColumns(m) == n; }

// The elements of a matrix the library built, read across the library once,
// row by row, for the checks that look at every one of them.
std::vector<double> ElementsOf(Matrix *m, int64_t rows, int64_t columns) {
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(rows * columns));
    for (int64_t i = 0; i < rows; ++i)
        for (int64_t j = 0; j < columns; ++j) values.push_back(m->Element(i, j));
    return values;
}

// The library reads "nan" and "inf" as values, and a number beyond the range
// of a double as an infinity; such a value would run through the products
// into the result as "nan" or "inf". Shows the message and gives the field
// the values came from the focus; false when every value is finite.
bool RefusedAsNotFinite(ConversionFields &fields, ConversionField field, const std::vector<double> &values) {
    if (std::all_of(values.begin(), values.end(), [](double x) { return std::isfinite(x); })) return false;
    fw::MsgBox(kNotFinite);
    fields.SetFocus(field);
    return true;
}

// Whether the text of a value written with four decimals keeps fewer than two
// significant digits: nothing but zeros before its fourth decimal ("0",
// "0.0009", "-0.0001"), while "0.001" stands for 0.0010.
bool ShowsFewerThanTwoDigits(std::string_view text) {
    int decimals = -1; // -1 while in the integer part
    for (const char c : text) {
        if (c == '.') {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9') continue; // sign, grouping commas
        if (decimals >= 0) ++decimals;
        if (c != '0' && decimals < 4) return false;
    }
    return true;
}

// The n × n staging array in which a diagonal matrix is put together.
class StagingArray {
public:
    explicit StagingArray(int64_t n) : n_(n), values_(static_cast<std::size_t>(n * n), 0.0) {}
    double &At(int64_t i, int64_t j) { return values_[static_cast<std::size_t>(i * n_ + j)]; }

private:
    int64_t n_;
    std::vector<double> values_;
};

// Whether every element of D × M × D, for D the staging array's diagonal, is
// a finite number as the library's two products form it: each element of
// D × M is d(i) × m(i, j) alone (the other terms are zeros), and each element
// of (D × M) × D is that times d(j). One infinity in a row of D × M turns the
// whole row of the result into infinities and NaN (zero times infinity).
bool ScaledProductIsFinite(StagingArray &staging, const std::vector<double> &m, int64_t n) {
    for (int64_t i = 0; i < n; ++i)
        for (int64_t j = 0; j < n; ++j) {
            const double left = staging.At(i, i) * m[static_cast<std::size_t>(i * n + j)];
            if (!std::isfinite(left) || !std::isfinite(left * staging.At(j, j))) return false;
        }
    return true;
}

// Every append reads the buffer's whole text and writes it back with one
// more piece; the framework's strings make that cheap.
void Append(ConversionFields &fields, std::string_view piece) {
    fields.SetText(ConversionField::scratchFld, fields.Text(ConversionField::scratchFld) + piece);
}

// One writing pass: empties the buffer, appends the text of every element
// (row by row) with the gap after it and a carriage return after each row,
// and has the library build the matrix from the buffer's text.
template <class ElementText>
fw::Ref<Matrix> WritePass(ConversionFields &fields, int64_t n, std::string_view gap, ElementText elementText) {
    const String lineEnd = fw::Chr(13);
    fields.SetText(ConversionField::scratchFld, "");
    for (int64_t i = 0; i < n; ++i) {
        for (int64_t j = 0; j < n; ++j) {
            Append(fields, elementText(i, j) + gap);
            fw::RuntimeBackgroundTask();
        }
        Append(fields, lineEnd);
        fw::RuntimeBackgroundTask();
    }
    return MatrixFromText(n, n, fields.Text(ConversionField::scratchFld));
}

// The staging array as matrix text in the default number form, built by the library.
fw::Ref<Matrix> DiagonalMatrix(ConversionFields &fields, StagingArray &staging, int64_t n) {
    const String defaultForm{}; // Str's empty format
    return WritePass(fields, n, kDiagonalGap,
                     [&](int64_t i, int64_t j) { return fw::Str(staging.At(i, j), defaultForm); });
}

void CorrelationToCovariance(ConversionFields &fields, int64_t n) {
    const String correlation = fields.Text(ConversionField::corrFld);
    if (fw::Len(correlation) < 2) {
        fw::MsgBox(kEnterCorrelation);
        fields.SetFocus(ConversionField::corrFld);
        return;
    }
    fw::Ref<Matrix> R = MatrixFromText(n, n, correlation);
    if (!IsSquare(R.get(), n)) {
        fw::MsgBox(kCheckCorrelation);
        return;
    }
    const std::vector<double> correlations = ElementsOf(R.get(), n, n);
    if (RefusedAsNotFinite(fields, ConversionField::corrFld, correlations)) return;
    const String deviations = fields.Text(ConversionField::sdFld);
    if (fw::Len(deviations) < 2) {
        fw::MsgBox(kEnterDeviations);
        return;
    }
    fw::Ref<Matrix> S = MatrixFromText(n, 1, deviations);
    if (NumRows(S.get()) != n || NumColumns(S.get()) != 1) {
        fw::MsgBox(kCheckDeviations);
        return;
    }
    const std::vector<double> sd = ElementsOf(S.get(), n, 1);
    if (RefusedAsNotFinite(fields, ConversionField::sdFld, sd)) return;
    // A negative standard deviation would silently flip the signs of covariances.
    double largestDeviation = 0.0;
    for (const double deviation : sd) {
        if (deviation < 0.0) {
            fw::MsgBox(kNegativeDeviation);
            fields.SetFocus(ConversionField::sdFld);
            return;
        }
        largestDeviation = std::max(largestDeviation, deviation);
    }

    StagingArray staging(n);
    for (int64_t i = 0; i < n; ++i) {
        staging.At(i, 0) = sd[static_cast<std::size_t>(i)];
        fw::RuntimeBackgroundTask();
    }
    for (int64_t i = 1; i < n; ++i) {
        for (int64_t j = 1; j < n; ++j) {
            if (i == j) {
                staging.At(i, i) = staging.At(i, 0);
                staging.At(i, 0) = 0.0;
            }
            fw::RuntimeBackgroundTask();
        }
        fw::RuntimeBackgroundTask();
    }
    if (!ScaledProductIsFinite(staging, correlations, n)) {
        fw::MsgBox(kTooLarge);
        // Standard deviations whose squares overflow are too large whatever
        // the correlations; else a correlation far outside [-1, 1] is.
        const bool deviationsTooLarge = !std::isfinite(largestDeviation * largestDeviation);
        fields.SetFocus(deviationsTooLarge ? ConversionField::sdFld : ConversionField::corrFld);
        return;
    }
    fw::Ref<Matrix> SD = DiagonalMatrix(fields, staging, n);
    fw::Ref<Matrix> T = SD->Operator_Multiply(R.get());
    fw::Ref<Matrix> V = T->Operator_Multiply(SD.get());

    bool large = false, small = false;
    const fw::NumberPattern pattern{String(kCovariancePattern)};
    fw::Ref<Matrix> result = WritePass(fields, n, kResultGap, [&](int64_t i, int64_t j) {
        const double x = V->Element(i, j);
        if (x > kLargeNumberLimit) large = true;
        String text = fw::Format(x, pattern);
        if (x != 0.0 && ShowsFewerThanTwoDigits(text.view())) small = true;
        return text;
    });
    // The warnings stand after the matrix, one line each.
    String warning;
    if (large) warning += kLargeNumber;
    if (large && small) warning += fw::Chr(13);
    if (small) warning += kSmallNumber;
    fields.SetText(ConversionField::covFld, result->Str() + fw::Chr(13) + warning);
}

void CovarianceToCorrelation(ConversionFields &fields, int64_t n) {
    const String covariance = fields.Text(ConversionField::covFld);
    if (fw::Len(covariance) < 2) {
        fw::MsgBox(kEnterCovariance);
        fields.SetFocus(ConversionField::covFld);
        return;
    }
    fw::Ref<Matrix> C = MatrixFromText(n, n, covariance);
    if (!IsSquare(C.get(), n)) {
        fw::MsgBox(kCheckCovariance);
        return;
    }
    const std::vector<double> covariances = ElementsOf(C.get(), n, n);
    if (RefusedAsNotFinite(fields, ConversionField::covFld, covariances)) return;
    const auto at = [&](int64_t i, int64_t j) { return covariances[static_cast<std::size_t>(i * n + j)]; };
    // A variance that is zero or negative has no reciprocal square root: the
    // result would be infinities and NaN.
    for (int64_t i = 0; i < n; ++i) {
        if (!(at(i, i) > 0.0)) {
            fw::MsgBox(kBadVariance);
            fields.SetFocus(ConversionField::covFld);
            return;
        }
    }

    StagingArray staging(n);
    for (int64_t i = 0; i < n; ++i) {
        for (int64_t j = 0; j < n; ++j) {
            const double x = at(i, j);
            staging.At(i, j) = i == j ? 1.0 / fw::Sqrt(x) : 0.0;
            fw::RuntimeBackgroundTask();
        }
        fw::RuntimeBackgroundTask();
    }
    // Variances of very different sizes can make the scaled covariances overflow.
    if (!ScaledProductIsFinite(staging, covariances, n)) {
        fw::MsgBox(kTooLarge);
        fields.SetFocus(ConversionField::covFld);
        return;
    }
    fw::Ref<Matrix> D = DiagonalMatrix(fields, staging, n);
    fw::Ref<Matrix> P = D->Operator_Multiply(C.get());
    fw::Ref<Matrix> Q = P->Operator_Multiply(D.get());

    const fw::NumberPattern pattern{String(kCorrelationPattern)};
    fw::Ref<Matrix> result = WritePass(fields, n, kResultGap, [&](int64_t i, int64_t j) {
        return fw::Format(i == j ? 1.0 : Q->Element(i, j), pattern);
    });
    fields.SetText(ConversionField::corrFld, result->Str());
}

} // namespace

void RunCalculateRequest(ConversionFields &fields) {
    if (Module1::which != 1 && Module1::which != 2) {
        fw::MsgBox(kChooseDirection);
        return;
    }
    const double v = fw::Val(fw::Trim(fields.Text(ConversionField::dimFld)));
    // Written so that a value that is not a number fails too.
    if (!(v >= 2.0 && v <= 100.0)) {
        fw::MsgBox(kDimension);
        fields.SetFocus(ConversionField::dimFld);
        return;
    }
    const auto n = static_cast<int64_t>(v); // the fraction cut off toward zero
    if (Module1::which == 1)
        CorrelationToCovariance(fields, n);
    else
        CovarianceToCorrelation(fields, n);
}
