// The conversion window's handlers driven through its widgets: the Clear
// buttons, the dimension field's key filter, the fonts of the matrix fields,
// Info and About, and closing the window.
#include "tests/convert/window_fixture.h"

#include <functional>
#include <ostream>
#include <tuple>

#include "convert/module1.h"
#include "framework/app_runtime.h"
#include "framework/delegate.h"
#include "framework/runtime_state.h"
#include "framework/view/window_view.h"
#include "ui/about_wnd.h"
#include "ui/help_wnd.h"
#include "ui/implicit_windows.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {

// --- Clear ----------------------------------------------------------------------

struct ClearCase {
    const char *button;
    bool clearsCorrelation, clearsCovariance;
};

void PrintTo(const ClearCase &c, std::ostream *out) { *out << c.button; }

class ClearButtons : public ControlWndTest, public testing::WithParamInterface<ClearCase> {};

TEST_P(ClearButtons, EmptyTheirFieldsAndLeaveNoDirection) {
    const ClearCase &c = GetParam();
    window->corrFld()->SetText("1 0\r0 1\r");
    window->covFld()->SetText("4 0\r0 9\r");
    window->sdFld()->SetText("2\r3\r");
    window->dimFld()->SetText("2");
    window->scratchFld()->SetText("buffer");
    Click(*window->RadioButton2());
    ASSERT_EQ(Module1::which, 2);
    WidgetOf(*window->corrFld())->setFocus(Qt::OtherFocusReason);
    ForgetEvents();

    Click(*window->_ControlByName(c.button));

    EXPECT_EQ(window->corrFld()->Text().str(), c.clearsCorrelation ? "" : "1 0\r0 1\r");
    EXPECT_EQ(window->covFld()->Text().str(), c.clearsCovariance ? "" : "4 0\r0 9\r");
    EXPECT_EQ(window->sdFld()->Text().str(), "");
    EXPECT_EQ(window->dimFld()->Text().str(), "");
    EXPECT_EQ(window->scratchFld()->Text().str(), "buffer");
    EXPECT_EQ(Events(), (std::vector<fw::RecordingPresenter::Event>{{Kind::Focus, "dimFld"}}));
    EXPECT_EQ(FocusWidget(), WidgetOf(*window->dimFld()));
    EXPECT_EQ(Module1::which, 0);
    for (const fw::Ref<fw::RadioButton> &radio : {window->RadioButton1(), window->RadioButton2()}) {
        EXPECT_FALSE(radio->Value()) << radio->Name();
        EXPECT_FALSE(qobject_cast<QRadioButton *>(WidgetOf(*radio))->isChecked()) << radio->Name();
    }

    // No direction until a radio button is pressed.
    window->dimFld()->SetText("2");
    ForgetEvents();
    Click(*window->CalcBtn());
    EXPECT_EQ(Alerts(),
              std::vector<std::string>{"Please select either correlation to covariance or covariance to correlation"});
    Click(*window->RadioButton1());
    EXPECT_EQ(Module1::which, 1);
    EXPECT_TRUE(window->RadioButton1()->Value());
    EXPECT_FALSE(window->RadioButton2()->Value());
}

INSTANTIATE_TEST_SUITE_P(Buttons, ClearButtons,
                         testing::Values(ClearCase{"ClearCorrBtn", true, false}, ClearCase{"ClearCovBtn", false, true},
                                         ClearCase{"ClearSDBtn", false, false}),
                         [](const auto &info) { return std::string(info.param.button); });

// --- the dimension field's key filter ---------------------------------------------

struct KeyCase {
    const char *name;
    std::vector<int> keys; // Qt keys with their modifiers, pressed in order
    const char *text;      // the key's text, for a printable key
    const char *before, *after;
    int beeps;
};

void PrintTo(const KeyCase &c, std::ostream *out) { *out << c.name; }

class DimensionKeys : public ControlWndTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(DimensionKeys, PassDigitsAndEditingKeysSilentlyAndSwallowTheRest) {
    const KeyCase &c = GetParam();
    window->dimFld()->SetText(c.before);
    auto *edit = qobject_cast<QLineEdit *>(WidgetOf(*window->dimFld()));
    ASSERT_NE(edit, nullptr);
    edit->setFocus(Qt::OtherFocusReason);
    edit->end(false);
    ProcessEvents();
    for (int key : c.keys) {
        if (c.text)
            QTest::sendKeyEvent(QTest::Click, edit, static_cast<Qt::Key>(key), QString::fromUtf8(c.text),
                                Qt::NoModifier);
        else
            QTest::keyClick(edit, static_cast<Qt::Key>(key & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    }
    ProcessEvents();
    EXPECT_EQ(window->dimFld()->Text().str(), c.after);
    EXPECT_EQ(edit->text().toStdString(), c.after);
    EXPECT_EQ(Beeps(), c.beeps);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DimensionKeys,
    testing::Values(
        KeyCase{"Zero", {Qt::Key_0}, "0", "1", "10", 0}, KeyCase{"Nine", {Qt::Key_9}, "9", "", "9", 0},
        KeyCase{"Slash", {Qt::Key_Slash}, "/", "1", "1", 1}, KeyCase{"Colon", {Qt::Key_Colon}, ":", "1", "1", 1},
        KeyCase{"Letter", {Qt::Key_A}, "a", "1", "1", 1}, KeyCase{"Minus", {Qt::Key_Minus}, "-", "", "", 1},
        KeyCase{"Point", {Qt::Key_Period}, ".", "1", "1", 1}, KeyCase{"Blank", {Qt::Key_Space}, " ", "1", "1", 1},
        KeyCase{"FullWidthDigit", {Qt::Key_unknown}, "\uff15", "1", "1", 1},
        KeyCase{"Return", {Qt::Key_Return}, nullptr, "1", "1", 1},
        KeyCase{"Enter", {Qt::Key_Enter}, nullptr, "1", "1", 1},
        KeyCase{"Escape", {Qt::Key_Escape}, nullptr, "1", "1", 1},
        KeyCase{"UpAndDown", {Qt::Key_Up, Qt::Key_Down}, nullptr, "12", "12", 2},
        KeyCase{"Backspace", {Qt::Key_Backspace}, nullptr, "12", "1", 0},
        KeyCase{"LeftThenDelete", {Qt::Key_Left, Qt::Key_Delete}, nullptr, "12", "1", 0},
        KeyCase{"LeftRightThenDigit", {Qt::Key_Left, Qt::Key_Right, Qt::Key_3}, nullptr, "12", "123", 0},
        KeyCase{"Tab", {Qt::Key_Tab}, nullptr, "12", "12", 0},
        KeyCase{"FourthDigit", {Qt::Key_4}, "4", "123", "123", 0},
        // Keys that type nothing beep as well, and the cursor stays.
        KeyCase{"HomeThenDigit", {Qt::Key_Home, Qt::Key_3}, nullptr, "12", "123", 1},
        KeyCase{"End", {Qt::Key_End}, nullptr, "12", "12", 1},
        KeyCase{"PageUpAndPageDown", {Qt::Key_PageUp, Qt::Key_PageDown}, nullptr, "12", "12", 2},
        KeyCase{"InsertAndF5", {Qt::Key_Insert, Qt::Key_F5}, nullptr, "12", "12", 2},
        KeyCase{"CtrlKAfterLeft", {Qt::Key_Left, (Qt::CTRL | Qt::Key_K).toCombined()}, nullptr, "12", "12", 1},
        KeyCase{"CtrlShiftLetter", {(Qt::CTRL | Qt::SHIFT | Qt::Key_Z).toCombined()}, nullptr, "12", "12", 1},
        KeyCase{"ShiftAlone", {Qt::Key_Shift, Qt::Key_Control, Qt::Key_5}, nullptr, "1", "15", 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ControlWndTest, KeyFilterJudgesAKeyTextByItsFirstCharacter) {
    const std::pair<const char *, bool> keys[] = {{"1a", false},   {"a1", true},    {"\x1f", true}, {"\x1e", true},
                                                  {"\x1d", false}, {"\x1c", false}, {"\x7f", false}};
    int beeps = 0;
    for (const auto &[key, swallowed] : keys) {
        EXPECT_EQ(window->dimFld_KeyDown(window->dimFld().get(), key), swallowed) << int(key[0]);
        beeps += swallowed;
        EXPECT_EQ(Beeps(), beeps);
    }
}

TEST_F(ControlWndTest, PasteIntoTheDimensionFieldKeepsItsMaskButSkipsTheFilter) {
    Paste(*window->dimFld(), "42");
    EXPECT_EQ(window->dimFld()->Text().str(), "42");
    window->dimFld()->SetText("");
    Paste(*window->dimFld(), "4x");
    EXPECT_EQ(window->dimFld()->Text().str(), "");
    EXPECT_EQ(Beeps(), 0);
}

// What reaches the dimension field over a selection, by Ctrl+V or Edit >
// Paste, must fit the mask and the three-character limit as a typed key must.
struct SelectionPasteCase {
    const char *name;
    const char *before; // typed when it fits, else set in code
    const char *clipboard;
    const char *after;
};

void PrintTo(const SelectionPasteCase &c, std::ostream *out) { *out << c.name; }

class PasteOverSelection : public ControlWndTest,
                           public testing::WithParamInterface<std::tuple<SelectionPasteCase, bool>> {};

TEST_P(PasteOverSelection, KeepsTheMaskAndTheLengthLimit) {
    const auto &[c, throughMenu] = GetParam();
    const std::string before = c.before;
    if (before.size() <= 3)
        Type(*window->dimFld(), QString::fromUtf8(c.before));
    else
        window->dimFld()->SetText(c.before);
    QWidget *edit = WidgetOf(*window->dimFld());
    edit->setFocus(Qt::OtherFocusReason);
    ProcessEvents();
    ASSERT_NE(MenuAction("EditSelectAll"), nullptr);
    MenuAction("EditSelectAll")->trigger();
    if (throughMenu) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
        ASSERT_NE(MenuAction("EditPaste"), nullptr);
        MenuAction("EditPaste")->trigger();
        ProcessEvents();
    } else {
        Paste(*window->dimFld(), QString::fromUtf8(c.clipboard));
    }
    EXPECT_EQ(window->dimFld()->Text().str(), c.after);
    EXPECT_EQ(qobject_cast<QLineEdit *>(edit)->text().toStdString(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasteOverSelection,
    testing::Combine(testing::Values(SelectionPasteCase{"Letter", "123", "x", "123"},
                                     SelectionPasteCase{"TwoLetters", "123", "ab", "123"},
                                     SelectionPasteCase{"DigitAndPoint", "123", "1.", "123"},
                                     SelectionPasteCase{"BlankAndDigit", "123", " 9", "123"},
                                     SelectionPasteCase{"FourDigits", "123", "4567", "123"},
                                     SelectionPasteCase{"Digits", "123", "45", "45"},
                                     SelectionPasteCase{"DigitOverTextSetInCode", "12345", "9", "9"},
                                     SelectionPasteCase{"LetterOverTextSetInCode", "12345", "x", "12345"}),
                     testing::Bool()),
    [](const auto &info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "_EditMenu" : "_CtrlV");
    });

TEST_F(ControlWndTest, TextSetInCodeThatDoesNotFitCanStillBeDeleted) {
    window->dimFld()->SetText("12345");
    auto *edit = qobject_cast<QLineEdit *>(WidgetOf(*window->dimFld()));
    edit->setFocus(Qt::OtherFocusReason);
    edit->end(false);
    ProcessEvents();
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(window->dimFld()->Text().str(), "1234");
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(edit, Qt::Key_Left); // Home is filtered out
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(window->dimFld()->Text().str(), "234");
    edit->setSelection(0, 2);
    MenuAction("EditCut")->trigger();
    ProcessEvents();
    EXPECT_EQ(window->dimFld()->Text().str(), "4");
}

TEST_F(ControlWndTest, TextDroppedOnTheDimensionFieldKeepsItsMask) {
    auto drop = [&](const char *text) {
        QWidget *edit = WidgetOf(*window->dimFld());
        QMimeData data;
        data.setText(QString::fromUtf8(text));
        const QPointF end(edit->width() - 2, edit->height() / 2);
        QDragEnterEvent enter(end.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &enter);
        QDropEvent dropped(end, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &dropped);
        ProcessEvents();
        return window->dimFld()->Text().str();
    };
    Type(*window->dimFld(), "1");
    EXPECT_EQ(drop("x"), "1");
    EXPECT_EQ(drop(" 2"), "1");
    EXPECT_EQ(drop("2"), "12");
    EXPECT_EQ(drop("34"), "12");
}

TEST_F(ControlWndTest, MiddleClickPasteIntoTheDimensionFieldKeepsItsMask) {
    if (!QGuiApplication::clipboard()->supportsSelection()) GTEST_SKIP() << "no selection clipboard on this platform";
    QWidget *edit = WidgetOf(*window->dimFld());
    auto middleClick = [&](const char *text) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(text), QClipboard::Selection);
        QTest::mouseClick(edit, Qt::MiddleButton, Qt::NoModifier, QPoint(edit->width() - 2, edit->height() / 2));
        ProcessEvents();
        return window->dimFld()->Text().str();
    };
    Type(*window->dimFld(), "1");
    EXPECT_EQ(middleClick("x"), "1");
    EXPECT_EQ(middleClick("2"), "12");
    EXPECT_EQ(middleClick("34"), "12");
}

// --- fonts ------------------------------------------------------------------------

void ExpectMatrixFont(const fw::TextArea &field) {
    EXPECT_EQ(field.TextFont().str(), "Monaco") << field.Name();
    EXPECT_EQ(field.TextSize(), 10.0f) << field.Name();
    const QFont shown = WidgetOf(field)->font();
    EXPECT_EQ(shown.family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family()) << field.Name();
    EXPECT_EQ(shown.pixelSize(), 10) << field.Name(); // the framework counts a point as a layout pixel
}

TEST_F(ControlWndTest, MatrixFieldsShowMonacoTenFromOpenOnwards) {
    for (const fw::Ref<fw::TextArea> &field : {window->corrFld(), window->covFld(), window->sdFld()})
        ExpectMatrixFont(*field);
    EXPECT_EQ(window->dimFld()->TextFont().str(), "System");
    EXPECT_EQ(window->dimFld()->TextSize(), 12.0f);
    EXPECT_EQ(window->scratchFld()->TextFont().str(), "System");
    EXPECT_EQ(window->Label3()->TextFont().str(), "System");
    EXPECT_TRUE(window->Label3()->Bold());
    EXPECT_EQ(window->Label3()->TextSize(), 12.0f);
}

TEST_F(ControlWndTest, EveryKeyAndEveryChangeBringsTheMatrixFontBack) {
    for (const fw::Ref<fw::TextArea> &field : {window->corrFld(), window->covFld(), window->sdFld()}) {
        SCOPED_TRACE(field->Name().str());
        field->SetTextFont("System");
        field->SetTextSize(0.0f);
        Type(*field, "7");
        EXPECT_EQ(field->Text().str(), "7"); // the key went in
        ExpectMatrixFont(*field);

        field->SetTextFont("System");
        field->SetTextSize(0.0f);
        field->SetText("8 9"); // a change without a key
        ExpectMatrixFont(*field);
    }
    EXPECT_EQ(Beeps(), 0);
}

TEST_F(ControlWndTest, SettingTheFontRaisesNoTextChange) {
    int changes = 0;
    fw::Ref<fw::TextArea> field = window->corrFld();
    fw::RuntimeAddEventHandler(field.get(), fw::EventNumber::TextChange,
                               fw::RuntimeCreateDelegate(
                                   *window,
                                   [&changes](fw::Object &, const fw::EventArgs &) {
                                       ++changes;
                                       return false;
                                   },
                                   "( TextArea )"));
    window->corrFld_Open(field.get());
    window->corrFld_TextChange(field.get());
    EXPECT_FALSE(window->corrFld_KeyDown(field.get(), "x"));
    EXPECT_EQ(changes, 0);
    field->SetText("1");
    EXPECT_EQ(changes, 1);
}

// --- Info and About ----------------------------------------------------------------

int OpenWindowsOf(const char *className) {
    int count = 0;
    for (const fw::Ref<fw::Window> &w : fw::OpenWindows())
        count += w->Class() && w->Class()->name == className;
    return count;
}

TEST_F(ControlWndTest, InfoShowsTheOneHelpWindowAndAboutTheAboutWindow) {
    ASSERT_NE(MenuAction("InfoItem"), nullptr);
    MenuAction("InfoItem")->trigger();
    ProcessEvents();
    fw::Ref<helpWnd> help = implicit::helpWnd();
    EXPECT_TRUE(help->IsShown());
    help->Hide();
    Click(*window->InfoBtn());
    EXPECT_TRUE(help->IsShown());
    Click(*window->InfoBtn());
    EXPECT_EQ(OpenWindowsOf("helpWnd.helpWnd"), 1);
    EXPECT_EQ(implicit::helpWnd().get(), help.get());

    window->Show();
    ProcessEvents();
    ASSERT_NE(MenuAction("AboutItem"), nullptr);
    MenuAction("AboutItem")->trigger();
    ProcessEvents();
    EXPECT_TRUE(implicit::AboutWnd()->IsShown());
    EXPECT_EQ(OpenWindowsOf("AboutWnd.AboutWnd"), 1);
    EXPECT_FALSE(fw::QuitRequested());
    EXPECT_EQ(Alerts(), std::vector<std::string>{});
}

// --- closing and quitting -----------------------------------------------------------

enum class Ending { CloseBox, CloseBoxWithHelpOpen, FileQuit };

const char *NameOf(Ending ending) {
    switch (ending) {
    case Ending::CloseBox:
        return "CloseBox";
    case Ending::CloseBoxWithHelpOpen:
        return "CloseBoxWithHelpOpen";
    case Ending::FileQuit:
        return "FileQuit";
    }
    return "";
}

void PrintTo(Ending ending, std::ostream *out) { *out << NameOf(ending); }

class WindowEnding : public ControlWndTest, public testing::WithParamInterface<Ending> {};

// Runs the program's event loop until it ends; a loop that is still running
// after five seconds ends with status 99.
int RunUntilTheProgramEnds(const std::function<void()> &action) {
    QTimer::singleShot(0, action);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    fw::_RuntimeRun();
    return fw::detail::ExitStatus();
}

TEST_P(WindowEnding, EndsTheProgramWithExitCodeZero) {
    fw::Ref<ControlWnd> conversion = window;
    if (GetParam() == Ending::CloseBoxWithHelpOpen) {
        Click(*window->InfoBtn());
        ASSERT_TRUE(implicit::helpWnd()->IsShown());
        conversion->Show();
        ProcessEvents();
    }
    const int status = RunUntilTheProgramEnds([&] {
        if (GetParam() == Ending::FileQuit)
            MenuAction("FileQuit")->trigger();
        else
            conversion->View()->Frame()->close();
    });
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Alerts(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Ways, WindowEnding,
                         testing::Values(Ending::CloseBox, Ending::CloseBoxWithHelpOpen, Ending::FileQuit),
                         [](const auto &info) { return std::string(NameOf(info.param)); });

} // namespace
