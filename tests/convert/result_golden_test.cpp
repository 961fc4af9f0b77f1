// The result texts of whole requests on generated inputs, byte for byte, as
// files under golden/. The texts go through every step (the buffer passes,
// Format, the library's reader and writer), so any change in how a value is
// written or read shows here. TANDREL_WRITE_GOLDEN=<folder> writes the files
// anew from the current build instead of comparing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <algorithm>
#include <sstream>
#include <string>

#include "convert/calculate.h"
#include "convert/module1.h"
#include "framework/presenter.h"
#include "tests/support/model_fields.h"
#include "tests/support/sample_inputs.h"

namespace {

using F = ConversionField;

struct GoldenCase {
    int64_t which;
    int n;
};

std::string GoldenName(const GoldenCase &c) {
    return std::string(c.which == 1 ? "covariance_" : "correlation_") + std::to_string(c.n) + ".txt";
}

class ResultGoldenTest : public testing::TestWithParam<GoldenCase> {};

TEST_P(ResultGoldenTest, ResultTextIsTheRecordedOne) {
    const GoldenCase c = GetParam();
    const SampleInputs in = MakeSampleInputs(c.n);
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed(presenter);
    ModelFields fields;
    fields.texts[F::dimFld] = std::to_string(c.n);
    fields.texts[F::corrFld] = in.correlation;
    fields.texts[F::sdFld] = in.deviations;
    fields.texts[F::covFld] = in.covariance;
    Module1::which = c.which;
    RunCalculateRequest(fields);
    ASSERT_TRUE(presenter.events.empty());
    const std::string result = fields.Get(c.which == 1 ? F::covFld : F::corrFld);

    if (const char *folder = std::getenv("TANDREL_WRITE_GOLDEN")) {
        std::ofstream(std::string(folder) + "/" + GoldenName(c), std::ios::binary) << result;
        GTEST_SKIP() << "written";
    }
    std::ifstream file(std::string(TANDREL_GOLDEN_DIR) + "/" + GoldenName(c), std::ios::binary);
    ASSERT_TRUE(file) << GoldenName(c);
    std::ostringstream expected;
    expected << file.rdbuf();
    // Compared as strings rather than with EXPECT_EQ: a 100 KB diff helps no one.
    const std::string &want = expected.str();
    const auto mismatch = std::mismatch(result.begin(), result.end(), want.begin(), want.end());
    EXPECT_TRUE(result == want) << GoldenName(c) << " differs at byte " << (mismatch.first - result.begin())
                                << " (lengths " << result.size() << " and " << want.size() << ")";
}

INSTANTIATE_TEST_SUITE_P(BothDirections, ResultGoldenTest,
                         testing::Values(GoldenCase{1, 10}, GoldenCase{1, 57}, GoldenCase{1, 100}, GoldenCase{2, 10},
                                         GoldenCase{2, 57}, GoldenCase{2, 100}),
                         [](const testing::TestParamInfo<GoldenCase> &info) {
                             return std::string(info.param.which == 1 ? "Covariance" : "Correlation") +
                                    std::to_string(info.param.n);
                         });

} // namespace
