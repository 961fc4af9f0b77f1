#include <gtest/gtest.h>

#include <string>

#include "convert/calculate.h"
#include "convert/module1.h"
#include "framework/presenter.h"
#include "tests/support/model_fields.h"

namespace {

using F = ConversionField;
using Kind = fw::RecordingPresenter::Kind;

constexpr const char *kNotFinite = "Check data. Every value must be a finite number.";
const std::string kMegabyte(1 << 20, '7');

struct MessageCase {
    const char *name;
    int64_t which;
    std::string dim, corr, sd, cov;
    const char *message;
    const char *focus; // nullptr: the focus stays where it was
};

const MessageCase kCases[] = {
    {"NoDirection", 0, "", "", "", "", "Please select either correlation to covariance or covariance to correlation",
     nullptr},
    {"NoDirectionAfterClear", 7, "3", "1 0\r0 1\r", "1\r1\r", "",
     "Please select either correlation to covariance or covariance to correlation", nullptr},
    {"DimensionEmpty", 1, "", "", "", "", "Please enter the dimension of the matrix. 2-100 allowed.", "dimFld"},
    {"DimensionOne", 2, "1", "", "", "", "Please enter the dimension of the matrix. 2-100 allowed.", "dimFld"},
    {"DimensionAbove", 1, "101", "", "", "", "Please enter the dimension of the matrix. 2-100 allowed.", "dimFld"},
    {"DimensionNotANumber", 1, "abc", "", "", "", "Please enter the dimension of the matrix. 2-100 allowed.",
     "dimFld"},
    {"CorrelationMissing", 1, "2", "1", "1\r1\r", "", "Enter data for correlation matrix.", "corrFld"},
    {"CorrelationShape", 1, "3", "1 0\r0 1\r", "1\r1\r1\r", "",
     "Check data. Number of rows and columns do not match the dimension specified for the correlation matrix.",
     nullptr},
    {"CorrelationUnreadable", 1, "2", "1 x\r0 1\r", "1\r1\r", "",
     "Check data. Number of rows and columns do not match the dimension specified for the correlation matrix.",
     nullptr},
    {"CorrelationRagged", 1, "2", "1 0\r0\r", "1\r1\r", "",
     "Check data. Number of rows and columns do not match the dimension specified for the correlation matrix.",
     nullptr},
    {"CorrelationWithNul", 1, "2", std::string("1 0\r0 1\0\r", 9), "1\r1\r", "",
     "Check data. Number of rows and columns do not match the dimension specified for the correlation matrix.",
     nullptr},
    {"CorrelationInvalidUtf8", 1, "2", "1 \xFF\r0 1\r", "1\r1\r", "",
     "Check data. Number of rows and columns do not match the dimension specified for the correlation matrix.",
     nullptr},
    {"CorrelationMegabyte", 1, "2", kMegabyte, "1\r1\r", "",
     "Check data. Number of rows and columns do not match the dimension specified for the correlation matrix.",
     nullptr},
    {"DeviationsMissing", 1, "2", "1 0\r0 1\r", "", "", "Enter standard deviations", nullptr},
    {"DeviationsOneCharacter", 1, "2", "1 0\r0 1\r", "1", "", "Enter standard deviations", nullptr},
    {"DeviationsSideBySide", 1, "2", "1 0\r0 1\r", "1 2\r", "",
     "Check data. Number of rows and columns do not match the dimension specified for the standard deviation "
     "vector.",
     nullptr},
    {"DeviationsTooFew", 1, "3", "1 0 0\r0 1 0\r0 0 1\r", "1\r2\r", "",
     "Check data. Number of rows and columns do not match the dimension specified for the standard deviation "
     "vector.",
     nullptr},
    {"DeviationNegative", 1, "2", "1 0.5\r0.5 1\r", "2\r-3\r", "",
     "Check data. Standard deviations must not be negative.", nullptr},
    {"CovarianceMissing", 2, "2", "", "", "", "Enter data for covariance matrix.", "covFld"},
    {"CovarianceShape", 2, "2", "", "", "1 0 0\r0 1 0\r0 0 1\r",
     "Check data. Number of rows and columns do not match the dimension specified for the covariance matrix.",
     nullptr},
    {"VarianceZero", 2, "2", "", "", "0 0\r0 1\r",
     "Check data. The variances on the diagonal of the covariance matrix must be greater than zero.", nullptr},
    {"VarianceNegative", 2, "2", "", "", "1 0\r0 -4\r",
     "Check data. The variances on the diagonal of the covariance matrix must be greater than zero.", nullptr},
    // "nan" and "inf" are read as values but refused, after the shape checks
    // of their field and before the checks of the next one.
    {"CorrelationNotANumber", 1, "2", "1 nan\r0 1\r", "", "", kNotFinite, "corrFld"},
    {"CorrelationInfinite", 1, "2", "1 0\r0 INF\r", "1\r1\r", "", kNotFinite, "corrFld"},
    {"CorrelationNotANumberWrongShape", 1, "3", "nan 0\r0 1\r", "1\r1\r1\r", "",
     "Check data. Number of rows and columns do not match the dimension specified for the correlation matrix.",
     nullptr},
    {"DeviationInfinite", 1, "2", "1 0\r0 1\r", "inf\r1\r", "", kNotFinite, "sdFld"},
    {"DeviationMinusInfinite", 1, "2", "1 0\r0 1\r", "1\r-inf\r", "", kNotFinite, "sdFld"},
    {"DeviationNotANumber", 1, "2", "1 0\r0 1\r", "NaN\r1\r", "", kNotFinite, "sdFld"},
    {"CovarianceInfinite", 2, "2", "", "", "1 inf\r0 1\r", kNotFinite, "covFld"},
    {"CovarianceMinusInfinite", 2, "2", "", "", "1 0\r-inf 1\r", kNotFinite, "covFld"},
    {"VarianceNotANumber", 2, "2", "", "", "nan 0\r0 1\r", kNotFinite, "covFld"},
    {"VarianceInfinite", 2, "2", "", "", "inf 0\r0 1\r", kNotFinite, "covFld"},
};

class CalculateMessages : public testing::TestWithParam<MessageCase> {};

// Each problem brings exactly its one alert, moves the focus only where the
// request says so, and leaves every field as it was, the buffer included.
TEST_P(CalculateMessages, ShowOneAlertAndChangeNoField) {
    const MessageCase &c = GetParam();
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed(presenter);
    ModelFields fields;
    Module1::which = c.which;
    fields.texts[F::dimFld] = c.dim;
    fields.texts[F::corrFld] = c.corr;
    fields.texts[F::sdFld] = c.sd;
    fields.texts[F::covFld] = c.cov;
    fields.texts[F::scratchFld] = "the last pass\r";
    const auto before = fields.texts;

    RunCalculateRequest(fields);

    std::vector<fw::RecordingPresenter::Event> expected = {{Kind::Alert, c.message}};
    if (c.focus) expected.push_back({Kind::Focus, c.focus});
    EXPECT_EQ(presenter.events, expected);
    for (const ConversionField field : FieldTexts::kAll)
        EXPECT_EQ(fields.texts[field], before[field]) << ModelFields::Name(field);
    EXPECT_EQ(Module1::which, c.which);
}

INSTANTIATE_TEST_SUITE_P(Calculate, CalculateMessages, testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
