// Values the request must not take, typed into the real window: "nan" and
// "inf", and numbers with a decimal comma. Each brings its one alert, and
// every field, the hidden buffer included, stays as it was.
#include "tests/control_wnd/window_fixture.h"

#include <ostream>

#include "convert/module1.h"

namespace {

constexpr const char *kNotFinite = "Check data. Every value must be a finite number.";
constexpr const char *kCheckCorrelation =
    "Check data. Number of rows and columns do not match the dimension specified for the correlation matrix.";
constexpr const char *kCheckDeviations =
    "Check data. Number of rows and columns do not match the dimension specified for the standard deviation vector.";
constexpr const char *kCheckCovariance =
    "Check data. Number of rows and columns do not match the dimension specified for the covariance matrix.";

struct RefusedCase {
    const char *name;
    int64_t which;
    const char *correlation, *deviations, *covariance; // as typed: "\r" is Return
    const char *alert;
    const char *focus; // the field given the focus, or null
};

void PrintTo(const RefusedCase &c, std::ostream *out) { *out << c.name; }

class RefusedInput : public ControlWndTest, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedInput, BringsItsAlertAndLeavesEveryField) {
    const RefusedCase &c = GetParam();
    if (c.which == 2) Click(*window->RadioButton2());
    Type(*window->corrFld(), c.correlation);
    Type(*window->sdFld(), c.deviations);
    Type(*window->covFld(), c.covariance);
    window->scratchFld()->SetText("last buffer\r");
    Type(*window->dimFld(), "2"); // the focus is elsewhere when Calculate is pressed
    ForgetEvents();
    Click(*window->CalcBtn());

    std::vector<fw::RecordingPresenter::Event> expected = {{Kind::Alert, c.alert}};
    if (c.focus) expected.push_back({Kind::Focus, c.focus});
    EXPECT_EQ(Events(), expected);
    if (c.focus) {
        EXPECT_EQ(FocusWidget(), WidgetOf(*window->_ControlByName(c.focus)));
    }
    EXPECT_EQ(window->dimFld()->Text().str(), "2");
    EXPECT_EQ(window->corrFld()->Text().str(), c.correlation);
    EXPECT_EQ(window->sdFld()->Text().str(), c.deviations);
    EXPECT_EQ(window->covFld()->Text().str(), c.covariance);
    EXPECT_EQ(window->scratchFld()->Text().str(), "last buffer\r");
    EXPECT_EQ(Module1::which, c.which);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, RefusedInput,
    testing::Values(
        RefusedCase{"CorrelationNaN", 1, "1 nan\rnan 1\r", "1\r1\r", "earlier result", kNotFinite, "corrFld"},
        RefusedCase{"CorrelationInf", 1, "1 0\r0 inf\r", "1\r1\r", "", kNotFinite, "corrFld"},
        RefusedCase{"DeviationInf", 1, "1 0\r0 1\r", "inf\r1\r", "earlier result", kNotFinite, "sdFld"},
        RefusedCase{"DeviationMinusInf", 1, "1 0\r0 1\r", "1\r-inf\r", "", kNotFinite, "sdFld"},
        RefusedCase{"DeviationNaN", 1, "1 0\r0 1\r", "nan\r1\r", "", kNotFinite, "sdFld"},
        RefusedCase{"CovarianceInf", 2, "earlier result", "", "1 inf\rinf 1\r", kNotFinite, "covFld"},
        RefusedCase{"CovarianceMinusInf", 2, "", "", "1 -inf\r0 1\r", kNotFinite, "covFld"},
        RefusedCase{"VarianceNaN", 2, "", "", "nan 0\r0 1\r", kNotFinite, "covFld"},
        // Decimal commas from a spreadsheet are never read as thousands.
        RefusedCase{"CovarianceDecimalComma", 2, "", "", "1,000 0,350\r0,350 1,000\r", kCheckCovariance, nullptr},
        RefusedCase{"CovarianceLeadingZeroGroup", 2, "", "", "01,000 0\r0 1\r", kCheckCovariance, nullptr},
        RefusedCase{"CorrelationDecimalComma", 1, "1 -0,5\r-0,5 1\r", "1\r1\r", "", kCheckCorrelation, nullptr},
        RefusedCase{"DeviationDecimalComma", 1, "1 0\r0 1\r", "0,350\r1\r", "", kCheckDeviations, nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

using ControlWndInputChecks = ControlWndTest;

TEST_F(ControlWndInputChecks, GroupingCommasStillRead) {
    auto covariances = [&](const char *deviations) {
        window->sdFld()->SetText("");
        Type(*window->sdFld(), deviations);
        Click(*window->CalcBtn());
        return window->covFld()->Text().str();
    };
    Type(*window->dimFld(), "2");
    Type(*window->corrFld(), "1 0.5\r0.5 1\r");
    const std::string plain = covariances("1234.5\r2\r");
    EXPECT_EQ(covariances("1,234.5\r2\r"), plain);
    EXPECT_EQ(Alerts(), std::vector<std::string>{});
    EXPECT_EQ(plain.rfind("1523990.25", 0), 0u) << plain;
}

} // namespace
