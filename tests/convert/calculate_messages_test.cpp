#include <gtest/gtest.h>

#include <string>

#include "convert/calculate.h"
#include "convert/module1.h"
#include "framework/presenter.h"
#include "tests/support/model_fields.h"
#include "tests/support/request_alert_cases.h"

namespace {

using F = ConversionField;
using Kind = fw::RecordingPresenter::Kind;

class CalculateMessages : public testing::TestWithParam<RequestAlertCase> {};

// Each problem brings exactly its one alert, moves the focus only where the
// request says so, and leaves every field as it was, the buffer included.
TEST_P(CalculateMessages, ShowOneAlertAndChangeNoField) {
    const RequestAlertCase &c = GetParam();
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed(presenter);
    ModelFields fields;
    Module1::which = c.which;
    fields.texts[F::dimFld] = c.dimension;
    fields.texts[F::corrFld] = c.correlation;
    fields.texts[F::sdFld] = c.deviations;
    fields.texts[F::covFld] = c.covariance;
    fields.texts[F::scratchFld] = "the last pass\r";
    const auto before = fields.texts;

    RunCalculateRequest(fields);

    std::vector<fw::RecordingPresenter::Event> expected = {{Kind::Alert, c.alert}};
    if (c.focus) expected.push_back({Kind::Focus, c.focus});
    EXPECT_EQ(presenter.events, expected);
    for (const ConversionField field : FieldTexts::kAll)
        EXPECT_EQ(fields.texts[field], before[field]) << ModelFields::Name(field);
    EXPECT_EQ(Module1::which, c.which);
}

INSTANTIATE_TEST_SUITE_P(Calculate, CalculateMessages, testing::ValuesIn(RequestAlertCases()),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
