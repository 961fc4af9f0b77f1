#include <functional>
#include <string>
#include <vector>

#include "framework/app_runtime.h"
#include "framework/exceptions.h"
#include "framework/runtime_state.h"
#include "tests/ui/windows_fixture.h"
#include "ui/about_wnd.h"
#include "ui/about_wnd_hand_over.h"
#include "ui/credits.h"
#include "ui/implicit_windows.h"
#include "ui/pictures.h"

#include <QElapsedTimer>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

namespace {

using AboutWindowTest = WindowsTest;

std::vector<std::string> OwnOperations(const fw::ClassRecord &record) {
    const std::size_t inherited = fw::Window::ClassRecordOf().classTable.size();
    return {record.classTable.begin() + static_cast<std::ptrdiff_t>(inherited), record.classTable.end()};
}

TEST_F(AboutWindowTest, ClassRecordKeepsWindowsTableThenItsOwnAndHandlesFourEvents) {
    const fw::ClassRecord &record = AboutWnd::ClassRecordOf();
    EXPECT_EQ(record.name, "AboutWnd.AboutWnd");
    EXPECT_EQ(record.base, &fw::Window::ClassRecordOf());
    const std::vector<std::string> &window = fw::Window::ClassRecordOf().classTable;
    ASSERT_EQ(window.size(), 37u);
    EXPECT_TRUE(std::equal(window.begin(), window.end(), record.classTable.begin()));
    EXPECT_EQ(OwnOperations(record),
              (std::vector<std::string>{"Layout", "CreateControls", "_CreateControls0", "StaticText2", "Canvas1",
                                        "Canvas3", "Timer1", "Timer1_Action", "Event_MouseDown", "Event_KeyDown"}));
    for (const fw::MethodRecord &m : record.methods) {
        const bool hidden = std::find(m.attributes.begin(), m.attributes.end(), "Hidden") != m.attributes.end();
        EXPECT_EQ(hidden, m.name == "_CreateControls0") << m.name;
        if (m.slot >= 0) {
            EXPECT_EQ(record.classTable[static_cast<std::size_t>(m.slot)], m.name);
        }
    }

    fw::Ref<AboutWnd> about = implicit::AboutWnd();
    std::vector<std::string> handled;
    for (const char *event : {"Layout", "CreateControls", "AddMenuHandlers", "Close", "MouseDown", "KeyDown"})
        if (about->IsEventImplemented(event)) handled.emplace_back(event);
    EXPECT_EQ(handled, (std::vector<std::string>{"Layout", "CreateControls", "MouseDown", "KeyDown"}));

    const fw::ClassRecord &timer = AboutWnd_Timer1::ClassRecordOf();
    EXPECT_EQ(timer.base, &fw::Timer::ClassRecordOf());
    EXPECT_EQ(timer.classTable, fw::Timer::ClassRecordOf().classTable);
    EXPECT_TRUE(about->Timer1()->IsA(timer));
}

TEST_F(AboutWindowTest, BuildingShowsTheWindowWithItsPicturesLineAndRunningTimer) {
    fw::Ref<AboutWnd> about = implicit::AboutWnd();
    EXPECT_TRUE(about->IsShown());
    EXPECT_EQ(about->Width(), 500);
    EXPECT_EQ(about->Height(), 325);
    EXPECT_EQ(about->Title(), "");
    EXPECT_EQ(about->BackgroundColor(), (fw::Color{0xF5, 0xEB, 0xFC, 0}));
    EXPECT_FALSE(about->MenuBar());
    EXPECT_EQ(about->Controls().size(), 4u);

    fw::Ref<fw::Label> line = about->StaticText2();
    EXPECT_EQ(line->Text(), credits::kCopyrightLine);
    EXPECT_EQ(line->TextAlignment(), fw::TextAlignment::Center);
    EXPECT_EQ(line->FontSize(), 9.0f);
    EXPECT_EQ(Widget(*line)->geometry(), QRect(77, 310, 346, 15));

    ASSERT_TRUE(pictures::TD270());
    ASSERT_TRUE(pictures::icon75());
    EXPECT_EQ(about->Canvas1()->Backdrop().get(), pictures::TD270().get());
    EXPECT_EQ(about->Canvas3()->Backdrop().get(), pictures::icon75().get());
    EXPECT_EQ(Widget(*about->Canvas1())->geometry(), QRect(77, 153, 346, 69));
    EXPECT_EQ(Widget(*about->Canvas3())->geometry(), QRect(197, 53, 102, 103));

    // The program's period, whatever the test clock's rate.
    EXPECT_EQ(about->Timer1()->Period(), 4000);
    EXPECT_EQ(about->Timer1()->RunMode(), fw::RunMode::Single);

    // The accessor finds the open window again and builds nothing.
    EXPECT_EQ(implicit::AboutWnd().get(), about.get());
    EXPECT_EQ(OpenCount(kAboutClass), 1);
}

// The framework's single-shot timer never ends before its period.
constexpr qint64 kEarliestHandOver = WindowsTest::kPeriodMs;

TEST_F(AboutWindowTest, WithNoUserActionTheTimerHandsOverAfterItsPeriod) {
    QElapsedTimer clock;
    clock.start();
    fw::Ref<AboutWnd> about = implicit::AboutWnd();
    EXPECT_TRUE(about->IsShown());
    EXPECT_FALSE(OpenWindow(kControlClass)) << "the conversion window is made only by the hand-over";

    const qint64 at = WaitUntil([] { return Shown(kControlClass); }, clock);
    ASSERT_NE(at, -1) << "no hand-over";
    EXPECT_GE(at, kEarliestHandOver);
    EXPECT_FALSE(about->IsShown());
    EXPECT_FALSE(about->IsClosed()) << "hidden, not closed";
    EXPECT_EQ(about->Timer1()->RunMode(), fw::RunMode::Off);
    EXPECT_EQ(implicit::AboutWnd().get(), about.get());
}

struct UserAction {
    const char *name;
    std::function<void(AboutWnd &)> act;
};

void PrintTo(const UserAction &a, std::ostream *out) { *out << a.name; }

class AboutHandOverTest : public WindowsTest, public testing::WithParamInterface<UserAction> {};

void ClickOn(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }

// A press anywhere in the window hands over, on a control as on its bare
// background, and so does a key.
INSTANTIATE_TEST_SUITE_P(
    PressesAndKeys, AboutHandOverTest,
    testing::Values(
        UserAction{"click on the background", [](AboutWnd &w) { ClickOn(WindowsTest::Content(w)); }},
        UserAction{"click on the copyright line", [](AboutWnd &w) { ClickOn(WindowsTest::Widget(*w.StaticText2())); }},
        UserAction{"click on the title picture", [](AboutWnd &w) { ClickOn(WindowsTest::Widget(*w.Canvas1())); }},
        UserAction{"click on the icon", [](AboutWnd &w) { ClickOn(WindowsTest::Widget(*w.Canvas3())); }},
        UserAction{"key press", [](AboutWnd &w) { QTest::keyClick(WindowsTest::Frame(w), Qt::Key_A); }},
        UserAction{"Return", [](AboutWnd &w) { QTest::keyClick(WindowsTest::Frame(w), Qt::Key_Return); }},
        UserAction{"Home", [](AboutWnd &w) { QTest::keyClick(WindowsTest::Frame(w), Qt::Key_Home); }},
        UserAction{"F5", [](AboutWnd &w) { QTest::keyClick(WindowsTest::Frame(w), Qt::Key_F5); }},
        UserAction{"Ctrl K",
                   [](AboutWnd &w) { QTest::keyClick(WindowsTest::Frame(w), Qt::Key_K, Qt::ControlModifier); }}),
    [](const testing::TestParamInfo<UserAction> &info) {
        std::string name;
        for (const char *c = info.param.name; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST_P(AboutHandOverTest, HandsOverAtOnceAndTheLaterTimerHidesTheWindowAgain) {
    fw::Ref<AboutWnd> about = implicit::AboutWnd();
    GetParam().act(*about);
    EXPECT_FALSE(about->IsShown());
    ASSERT_TRUE(Shown(kControlClass));
    fw::Ref<fw::Window> control = OpenWindow(kControlClass);

    // The About item brings the same window back before the timer has fired;
    // the timer's hand-over then hides it once more.
    Choose(*control, "AboutItem");
    EXPECT_TRUE(about->IsShown());
    EXPECT_EQ(OpenCount(kAboutClass), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !about->IsShown(); }, 25 * kPeriodMs));
    EXPECT_TRUE(control->IsShown());
    EXPECT_EQ(OpenWindow(kControlClass).get(), control.get()) << "the conversion window is made once";
}

// The application's menu keys work while the about window is in front,
// though it draws no menu bar; they and lone modifiers are no key press in it.
TEST_F(AboutWindowTest, CtrlQEndsTheProgramWithStatusZeroAndNoMenuBarIsDrawn) {
    fw::Ref<AboutWnd> about = implicit::AboutWnd();
    QWidget *frame = Frame(*about);
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    EXPECT_EQ(frame->findChild<QMenuBar *>(), nullptr);
    EXPECT_EQ(frame->size(), QSize(500, 325));
    for (Qt::Key modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta})
        QTest::keyClick(frame, modifier);
    EXPECT_TRUE(about->IsShown());
    EXPECT_FALSE(fw::QuitRequested());

    QTest::keyClick(frame, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::detail::ExitStatus(), 0);
    EXPECT_TRUE(about->IsShown());
    EXPECT_FALSE(OpenWindow(kControlClass));
}

TEST_F(AboutWindowTest, ShownAgainItComesBackWhereItWasHidden) {
    fw::Ref<AboutWnd> about = implicit::AboutWnd();
    QWidget *frame = Frame(*about);
    frame->move(123, 145); // where the user put it
    const QPoint before = frame->pos();
    ClickOn(Content(*about));
    ASSERT_FALSE(about->IsShown());
    Choose(*OpenWindow(kControlClass), "AboutItem");
    ASSERT_TRUE(about->IsShown());
    EXPECT_EQ(frame->pos(), before);
}

TEST_F(AboutWindowTest, BothEventHandlersReturnFalse) {
    fw::Ref<AboutWnd> about = implicit::AboutWnd();
    EXPECT_FALSE(about->Event_MouseDown(10, 10));
    about->Show();
    EXPECT_FALSE(about->Event_KeyDown("x"));
    EXPECT_FALSE(about->IsShown());
}

TEST_F(AboutWindowTest, AboutItemAfterTheTimerShowsTheSameWindowUntilAClick) {
    fw::Ref<AboutWnd> about = implicit::AboutWnd();
    ASSERT_TRUE(QTest::qWaitFor([] { return Shown(kControlClass); }, 25 * kPeriodMs));
    fw::Ref<fw::Window> control = OpenWindow(kControlClass);

    Choose(*control, "AboutItem");
    EXPECT_EQ(OpenWindow(kAboutClass).get(), about.get());
    Pump(3 * kPeriodMs);
    EXPECT_TRUE(about->IsShown()) << "its timer has fired already";

    ClickOn(Content(*about));
    EXPECT_FALSE(about->IsShown());
    EXPECT_TRUE(control->IsShown());
}

TEST_F(AboutWindowTest, AboutItemAfterClosingBuildsANewWindowThatHandsOverAfterItsPeriod) {
    fw::Ref<AboutWnd> first = implicit::AboutWnd();
    ClickOn(Content(*first));
    fw::Ref<fw::Window> control = OpenWindow(kControlClass);
    ASSERT_TRUE(control);
    Choose(*control, "AboutItem");
    ASSERT_TRUE(first->IsShown());
    Frame(*first)->close(); // its close button
    EXPECT_TRUE(first->IsClosed());
    EXPECT_FALSE(fw::QuitRequested()) << "the conversion window is still there";

    QElapsedTimer clock;
    clock.start();
    Choose(*control, "AboutItem");
    fw::Ref<fw::Window> second = OpenWindow(kAboutClass);
    ASSERT_TRUE(second);
    EXPECT_NE(second.get(), first.get());
    EXPECT_TRUE(second->IsShown());
    const qint64 at = WaitUntil([&] { return !second->IsShown(); }, clock);
    ASSERT_NE(at, -1) << "the new window's timer never handed over";
    EXPECT_GE(at, kEarliestHandOver);
    EXPECT_TRUE(control->IsShown());
    EXPECT_FALSE(fw::QuitRequested());
}

// There is no global menu bar here: with the about window closed before any
// hand-over nothing would be left to quit from, so the program ends.
TEST_F(AboutWindowTest, ClosingItAloneAtStartEndsTheProgramWithStatusZeroAndNoHandOverFollows) {
    fw::Ref<AboutWnd> about = implicit::AboutWnd();
    Frame(*about)->close();
    EXPECT_TRUE(about->IsClosed());
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::detail::ExitStatus(), 0);

    Pump(2 * kPeriodMs);
    EXPECT_FALSE(OpenWindow(kControlClass)) << "the closed window's timer never fires";
    EXPECT_TRUE(fw::OpenWindows().empty());
}

TEST_F(AboutWindowTest, ClosingItWhileTheConversionWindowIsOpenLeavesTheProgramRunning) {
    fw::Ref<AboutWnd> about = implicit::AboutWnd();
    QTest::keyClick(Frame(*about), Qt::Key_Space);
    fw::Ref<fw::Window> control = OpenWindow(kControlClass);
    ASSERT_TRUE(control);
    control->Minimize(); // minimised still counts as on the screen
    Choose(*control, "AboutItem");
    Frame(*about)->close();
    EXPECT_TRUE(about->IsClosed());
    EXPECT_FALSE(fw::QuitRequested());
    EXPECT_FALSE(control->IsClosed());
}

// With the conversion window failing to come up, the about window stays on
// the screen: the user sees the alert and still has a window to close, and
// closing it ends the program.
TEST_F(AboutWindowTest, AFailedHandOverLeavesTheAboutWindowOnTheScreen) {
    fw::Ref<AboutWnd> about = implicit::AboutWnd();
    fw::RuntimeCallHandler(
        [] { AboutWndHandOver([] { fw::RaiseNew<fw::RuntimeException>("the conversion window failed"); }); });
    EXPECT_EQ(recorder_.Alerts(), std::vector<std::string>{"Unhandled RuntimeException: the conversion window failed"});
    recorder_.events.clear();
    EXPECT_TRUE(about->IsShown());

    Frame(*about)->close();
    EXPECT_TRUE(fw::QuitRequested());
    EXPECT_EQ(fw::detail::ExitStatus(), 0);
}

} // namespace
