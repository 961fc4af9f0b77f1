// The Calculate button on the real window: typed, pasted and copied
// matrices in both directions, and every alert of the request.
#include "tests/convert/window_fixture.h"

#include <algorithm>
#include <ostream>

#include "convert/module1.h"
#include "tests/support/request_alert_cases.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>

namespace {

using namespace request_messages;

// The 3 × 3 example: correlations 0.5, 0.25, 0.4 and deviations 2, 3, 4
// give these covariances, and back. The library lines the columns up on
// their decimal points, two blanks apart.
constexpr const char *kExampleCovariance = "4  3     2\r"
                                           "3  9     4.8\r"
                                           "2  4.8  16\r";
constexpr const char *kExampleCorrelation = "1     0.5  0.25\r"
                                            "0.5   1    0.4\r"
                                            "0.25  0.4  1\r";

using ControlWndConversion = ControlWndTest;

// --- correlation to covariance, typed -------------------------------------------

struct TypedCase {
    const char *name;
    const char *dimension;
    const char *correlation; // as typed: "\r" Return, "\t" Tab
    const char *deviations;
    const char *covariance; // covFld afterwards
};

void PrintTo(const TypedCase &c, std::ostream *out) { *out << c.name; }

class TypedCorrelation : public ControlWndTest, public testing::WithParamInterface<TypedCase> {};

TEST_P(TypedCorrelation, CalculateWritesTheCovariancesIntoCovFld) {
    const TypedCase &c = GetParam();
    Type(*window->dimFld(), c.dimension);
    Type(*window->corrFld(), c.correlation);
    Type(*window->sdFld(), c.deviations);
    Click(*window->CalcBtn()); // no radio button pressed: direction 1

    EXPECT_EQ(Alerts(), std::vector<std::string>{});
    EXPECT_EQ(window->covFld()->Text().str(), c.covariance);
    ProcessEvents();
    EXPECT_EQ(Shown(*window->covFld()), c.covariance);
    EXPECT_EQ(window->dimFld()->Text().str(), c.dimension);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedCorrelation,
    testing::Values(TypedCase{"TabsBetweenValues", "3", "1\t0.5\t0.25\r0.5\t1\t0.4\r0.25\t0.4\t1\r", "2\r3\r4\r",
                              "4  3     2\r3  9     4.8\r2  4.8  16\r\r"},
                    TypedCase{"BlanksAndNoLastReturn", "3", "1 0.5 0.25\r0.5 1 0.4\r0.25  0.4  1", "2\r3\r4",
                              "4  3     2\r3  9     4.8\r2  4.8  16\r\r"},
                    // Four decimals: 4.69 squared stays 21.9961.
                    TypedCase{"FourDecimalsKept", "2", "1 .5\r.5 1\r", "4.690\r2\r", "21.9961  4.69\r 4.69    4\r\r"}),
    [](const auto &info) { return std::string(info.param.name); });

// --- covariance to correlation, pasted --------------------------------------------

struct PastedCase {
    const char *name;
    const char *clipboard;
};

void PrintTo(const PastedCase &c, std::ostream *out) { *out << c.name; }

class PastedCovariance : public ControlWndTest, public testing::WithParamInterface<PastedCase> {};

TEST_P(PastedCovariance, CalculateWritesTheCorrelationsIntoCorrFld) {
    Click(*window->RadioButton2());
    EXPECT_EQ(Module1::which, 2);
    EXPECT_TRUE(window->RadioButton2()->Value());
    Type(*window->dimFld(), "3");
    Paste(*window->covFld(), QString::fromUtf8(GetParam().clipboard));
    Click(*window->CalcBtn());

    EXPECT_EQ(Alerts(), std::vector<std::string>{});
    const char *expected = "1       0.2121  0.6852\r"
                           "0.2121  1       0.8572\r"
                           "0.6852  0.8572  1\r";
    EXPECT_EQ(window->corrFld()->Text().str(), expected);
    ProcessEvents();
    EXPECT_EQ(Shown(*window->corrFld()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, PastedCovariance,
    testing::Values(PastedCase{"SpreadsheetLF", "1\t0.3\t0.65\n0.3\t2\t1.15\n0.65\t1.15\t0.9\n"},
                    PastedCase{"SpreadsheetCRLF", "1\t0.3\t0.65\r\n0.3\t2\t1.15\r\n0.65\t1.15\t0.9\r\n"},
                    PastedCase{"SpreadsheetNoLastLineEnd", "1.00\t0.30\t0.65\n0.30\t2.00\t1.15\n0.65\t1.15\t0.90"},
                    PastedCase{"HelpTextNoBreakSpaces",
                               "1.00\u00a0\u00a00.30\u00a0\u00a00.65\r0.30\u00a0\u00a02.00\u00a0\u00a01.15\r"
                               "0.65\u00a0\u00a01.15\u00a0\u00a00.90\r"}),
    [](const auto &info) { return std::string(info.param.name); });

// --- the result copied out and converted back -------------------------------------

class CopiedResult : public ControlWndTest, public testing::WithParamInterface<bool> {};

TEST_P(CopiedResult, CopiesAsLinesAndConvertsBack) {
    const bool throughMenu = GetParam();
    Type(*window->dimFld(), "3");
    Type(*window->corrFld(), "1\t0.5\t0.25\r0.5\t1\t0.4\r0.25\t0.4\t1\r");
    Type(*window->sdFld(), "2\r3\r4\r");
    Click(*window->CalcBtn());
    ASSERT_EQ(window->covFld()->Text().str(), std::string(kExampleCovariance) + "\r");

    QWidget *covWidget = WidgetOf(*window->covFld());
    covWidget->setFocus(Qt::OtherFocusReason);
    ProcessEvents();
    QGuiApplication::clipboard()->clear();
    if (throughMenu) {
        ASSERT_NE(MenuAction("EditSelectAll"), nullptr);
        ASSERT_NE(MenuAction("EditCopy"), nullptr);
        MenuAction("EditSelectAll")->trigger();
        MenuAction("EditCopy")->trigger();
    } else {
        QTest::keyClick(covWidget, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(covWidget, Qt::Key_C, Qt::ControlModifier);
    }
    ProcessEvents();
    // What a spreadsheet gets: one line per row.
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "4  3     2\n3  9     4.8\n2  4.8  16\n\n");

    Click(*window->ClearCovBtn());
    EXPECT_EQ(window->covFld()->Text().str(), "");
    Paste(*window->covFld(), QGuiApplication::clipboard()->text());
    Type(*window->dimFld(), "3");
    Click(*window->RadioButton2());
    Click(*window->CalcBtn());

    EXPECT_EQ(Alerts(), std::vector<std::string>{});
    EXPECT_EQ(window->corrFld()->Text().str(), kExampleCorrelation);
}

INSTANTIATE_TEST_SUITE_P(Ways, CopiedResult, testing::Values(false, true),
                         [](const auto &info) { return info.param ? "EditMenu" : "CtrlKeys"; });

TEST_F(ControlWndConversion, LargeCovariancesCarryTheWarningAfterTheMatrix) {
    Type(*window->dimFld(), "2");
    Type(*window->corrFld(), "1 0\r0 1\r");
    Type(*window->sdFld(), "40000\r1\r");
    Click(*window->CalcBtn());
    EXPECT_EQ(Alerts(), std::vector<std::string>{});
    const std::string text = window->covFld()->Text().str();
    const std::string tail = std::string("\r\r") + kLargeNumber;
    ASSERT_GT(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

// --- Tab in the fields ------------------------------------------------------------

TEST_F(ControlWndConversion, TabTypesATabInTheMatrixFieldsAndMovesOnElsewhere) {
    Type(*window->dimFld(), "3\t");
    EXPECT_EQ(window->dimFld()->Text().str(), "3");
    EXPECT_EQ(FocusWidget(), WidgetOf(*window->corrFld())); // next in the tab order

    Type(*window->corrFld(), "1\t2");
    EXPECT_EQ(window->corrFld()->Text().str(), "1\t2");
    EXPECT_EQ(FocusWidget(), WidgetOf(*window->corrFld()));
    // Ctrl+Tab and Ctrl+Shift+Tab get the keyboard out of it, both ways.
    Press(*window->corrFld(), Qt::Key_Tab, Qt::ControlModifier);
    QWidget *next = FocusWidget();
    EXPECT_NE(next, WidgetOf(*window->corrFld()));
    QTest::keyClick(next, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(FocusWidget(), WidgetOf(*window->corrFld()));
    EXPECT_EQ(window->corrFld()->Text().str(), "1\t2");

    Type(*window->covFld(), "\t");
    EXPECT_EQ(window->covFld()->Text().str(), "\t");

    Type(*window->sdFld(), "5\t");
    EXPECT_EQ(window->sdFld()->Text().str(), "5");
    EXPECT_NE(FocusWidget(), WidgetOf(*window->sdFld()));
    EXPECT_EQ(Beeps(), 0);
}

// --- the alerts, in the order the request tests --------------------------------------

class RequestAlerts : public ControlWndTest, public testing::WithParamInterface<RequestAlertCase> {
protected:
    // Presses Calculate on the fields as the case filled them: only its
    // alert comes, the focus goes where it says, and every field, the hidden
    // buffer included, stays as it was.
    void ExpectOnlyTheAlert(const RequestAlertCase &c) {
        window->scratchFld()->SetText("last buffer");
        ForgetEvents();
        Click(*window->CalcBtn());

        std::vector<fw::RecordingPresenter::Event> expected = {{Kind::Alert, c.alert}};
        if (c.focus) expected.push_back({Kind::Focus, c.focus});
        EXPECT_EQ(Events(), expected);
        if (c.focus) {
            EXPECT_EQ(FocusWidget(), WidgetOf(*window->_ControlByName(c.focus)));
        }

        EXPECT_EQ(window->dimFld()->Text().str(), c.dimension);
        EXPECT_EQ(window->corrFld()->Text().str(), c.correlation);
        EXPECT_EQ(window->sdFld()->Text().str(), c.deviations);
        EXPECT_EQ(window->covFld()->Text().str(), c.covariance);
        EXPECT_EQ(window->scratchFld()->Text().str(), "last buffer");
        EXPECT_EQ(Module1::which, c.which);
    }
};

TEST_P(RequestAlerts, StopAtTheFirstProblemAndLeaveTheFields) {
    const RequestAlertCase &c = GetParam();
    Module1::which = c.which;
    window->dimFld()->SetText(c.dimension);
    window->corrFld()->SetText(c.correlation);
    window->sdFld()->SetText(c.deviations);
    window->covFld()->SetText(c.covariance);
    ExpectOnlyTheAlert(c);
}

INSTANTIATE_TEST_SUITE_P(InOrder, RequestAlerts, testing::ValuesIn(RequestAlertCases()),
                         [](const auto &info) { return std::string(info.param.name); });

// The cases a user can make with the keys alone: a direction chosen with its
// radio button, digits in the dimension field, printable text and line ends.
std::vector<RequestAlertCase> TypableAlertCases() {
    auto typable = [](const std::string &text, bool digitsOnly) {
        return text.size() < 100 && std::all_of(text.begin(), text.end(), [&](char ch) {
                   if (digitsOnly) return ch >= '0' && ch <= '9';
                   return ch == '\r' || (ch >= ' ' && ch <= '~');
               });
    };
    std::vector<RequestAlertCase> cases;
    for (const RequestAlertCase &c : RequestAlertCases())
        if ((c.which == 1 || c.which == 2) && typable(c.dimension, true) && typable(c.correlation, false) &&
            typable(c.deviations, false) && typable(c.covariance, false))
            cases.push_back(c);
    return cases;
}

// The same cases typed with the keys ("\r" is Return).
class TypedValuesRefused : public RequestAlerts {};

TEST_P(TypedValuesRefused, BringTheirAlertAndLeaveTheFields) {
    const RequestAlertCase &c = GetParam();
    if (c.which == 2) Click(*window->RadioButton2());
    Type(*window->corrFld(), QString::fromStdString(c.correlation));
    Type(*window->sdFld(), QString::fromStdString(c.deviations));
    Type(*window->covFld(), QString::fromStdString(c.covariance));
    Type(*window->dimFld(), QString::fromStdString(c.dimension)); // the focus is elsewhere when Calculate is pressed
    ExpectOnlyTheAlert(c);
}

INSTANTIATE_TEST_SUITE_P(ByKeys, TypedValuesRefused, testing::ValuesIn(TypableAlertCases()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ControlWndConversion, GroupingCommasStillRead) {
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
