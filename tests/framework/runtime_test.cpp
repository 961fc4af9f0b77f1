// Timers, pictures, the application object and the run-time entry.
#include "framework/app_runtime.h"
#include "framework/application.h"
#include "framework/exceptions.h"
#include "framework/picture.h"
#include "framework/push_button.h"
#include "framework/runtime_state.h"
#include "framework/timer.h"
#include "framework/view/qt_support.h"
#include "tests/framework/framework_fixture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace {

using fw::PropertyListBuilder;

class RuntimeTest : public FrameworkTest {
protected:
    fw::Timer *BuildTimer(int64_t period, int64_t mode) {
        TestWnd::hooks.windowList = WindowList(200, 100);
        TestWnd::hooks.createControls = [period, mode](TestWnd &w) {
            fw::Timer *t = MakeControl<fw::Timer>(
                w, "T1", PropertyListBuilder().Int("Period", period).Int("RunMode", mode).Bytes());
            fw::RuntimeAddEventHandler(t, fw::EventNumber::TimerAction,
                                       fw::RuntimeCreateDelegate(w, &TestWnd::Timer_Action, "( Timer )"));
        };
        window = fw::ImplicitWindow<TestWnd>();
        TestWnd::log.clear();
        return fw::CheckCast<fw::Timer>(window->_ControlByName("T1").get());
    }
    fw::Ref<TestWnd> window;
};

TEST_F(RuntimeTest, TheApplicationNamesTheProgramsDesktopEntry) {
    fw::view::EnsureApplication();
    EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "invalid.tandrel.Tandrel");
}

TEST_F(RuntimeTest, ASingleShotTimerFiresOnceAndTurnsOff) {
    fw::Timer *timer = BuildTimer(20, fw::RunMode::Single);
    ProcessEvents(250);
    EXPECT_EQ(TestWnd::log, std::vector<std::string>{"Timer T1"});
    EXPECT_EQ(timer->RunMode(), fw::RunMode::Off);
}

// Timers started side by side, a few milliseconds apart, so that some of them
// start where a timer that rounds its wake-up to a whole step would end early.
TEST_F(RuntimeTest, ASingleShotTimerNeverEndsBeforeItsPeriod) {
    using Clock = std::chrono::steady_clock;
    constexpr int kTimers = 16;
    std::map<std::string, Clock::time_point> started, fired;
    std::map<std::string, int64_t> periods;
    TestWnd::hooks.windowList = WindowList(200, 100);
    TestWnd::hooks.createControls = [&](TestWnd &w) {
        for (int i = 0; i < kTimers; ++i) {
            // Appended: "T" + a temporary trips GCC 12's -Wrestrict at -O3.
            const std::string name = std::string("T").append(std::to_string(i));
            periods[name] = 200 + 23 * i;
            fw::Timer *t =
                MakeControl<fw::Timer>(w, name.c_str(), PropertyListBuilder().Int("Period", periods[name]).Bytes());
            fw::RuntimeAddEventHandler(t, fw::EventNumber::TimerAction,
                                       fw::RuntimeCreateDelegate(w, &TestWnd::Timer_Action, "( Timer )"));
        }
    };
    TestWnd::hooks.onTimer = [&](fw::Timer &t) { fired.emplace(t.Name().str(), Clock::now()); };
    window = fw::ImplicitWindow<TestWnd>();
    for (const auto &[name, period] : periods) {
        started[name] = Clock::now();
        fw::CheckCast<fw::Timer>(window->_ControlByName(name).get())->SetRunMode(fw::RunMode::Single);
        ProcessEvents(3);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return fired.size() == kTimers; }, 10000));
    for (const auto &[name, period] : periods)
        EXPECT_GE(fired[name] - started[name], std::chrono::milliseconds(period)) << name;
}

TEST_F(RuntimeTest, AMultipleTimerKeepsFiring) {
    BuildTimer(15, fw::RunMode::Multiple);
    ProcessEvents(250);
    EXPECT_GE(TestWnd::log.size(), 3u);
}

TEST_F(RuntimeTest, TheTimerOfAClosedWindowNoLongerFires) {
    fw::Ref<fw::Timer> timer(BuildTimer(30, fw::RunMode::Multiple));
    window->Close();
    ProcessEvents(200);
    EXPECT_TRUE(TestWnd::log.empty() || TestWnd::log == std::vector<std::string>{"Close"});
    timer->SetRunMode(fw::RunMode::Single); // an ended timer does not start again
    ProcessEvents(100);
    EXPECT_EQ(std::count(TestWnd::log.begin(), TestWnd::log.end(), "Timer T1"), 0);
}

TEST(Pictures, OpenFromAppReadsPlainFileNamesOfTheResourceFolderOnly) {
    const std::filesystem::path folder = fw::ResourceFolder();
    const std::filesystem::path good = folder / "fw_test_picture.png";
    const std::filesystem::path bad = folder / "fw_test_broken.png";
    std::filesystem::create_directories(folder);
    QImage image(7, 5, QImage::Format_ARGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString(good.string())));
    std::ofstream(bad) << "not a picture";

    fw::Ref<fw::Picture> picture = fw::Picture::_OpenFromApp("fw_test_picture.png");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 7);
    EXPECT_EQ(picture->Height(), 5);
    for (const char *name :
         {"fw_missing.png", "fw_test_broken.png", "", "..", "../bin/fw_test_picture.png", "/etc/passwd"})
        EXPECT_FALSE(fw::Picture::_OpenFromApp(name)) << name;
    std::filesystem::remove(good);
    std::filesystem::remove(bad);
}

TEST_F(RuntimeTest, LateStartupRunsOnceInsideTheLoopAndQuitEndsIt) {
    static int calls = 0;
    calls = 0;
    fw::_RunFrameworkInitialization([] {
        ++calls;
        QTimer::singleShot(10, [] { fw::Quit(0); });
    });
    fw::_RuntimeRun();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(fw::detail::ExitStatus(), 0);

    fw::detail::ResetRuntimeForTests();
    fw::Quit(3); // before the loop: the loop ends at once
    fw::_RuntimeRun();
    EXPECT_EQ(fw::detail::ExitStatus(), 3);
}

TEST(StartUp, AFailingLateStartupAlertsOnceAndEndsWithStatusOne) {
    fw::RuntimeInit();
    {
        fw::RecordingPresenter presenter;
        fw::ScopedPresenter guard(presenter);
        fw::_RunFrameworkInitialization([] { fw::RaiseNew<fw::NilObjectException>("no about window"); });
        testing::internal::CaptureStderr();
        fw::_RuntimeRun();
        const std::string err = testing::internal::GetCapturedStderr();
        ASSERT_EQ(presenter.Alerts().size(), 1u);
        EXPECT_NE(presenter.Alerts()[0].find("NilObjectException: no about window"), std::string::npos);
        EXPECT_NE(err.find("NilObjectException: no about window"), std::string::npos);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    }
    fw::RuntimePerformFinalizers();
    EXPECT_EQ(fw::RuntimeExit(), 1);
    fw::detail::ResetRuntimeForTests();
}

// The program's wrapper: what escapes comes back as the result.
int helperCalls = 0;
fw::Ref<fw::RuntimeException> Helper(void (*function)(void *), void *argument) {
    ++helperCalls;
    try {
        function(argument);
    } catch (const fw::Raised &r) {
        return r.Exception();
    }
    return nullptr;
}

TEST_F(RuntimeTest, HandlersRunThroughTheProgramsExceptionHelper) {
    helperCalls = 0;
    fw::_RuntimeSetExceptionHelper(&Helper);
    fw::RuntimeCallHandler([] {});
    fw::RuntimeCallHandler([] { fw::RaiseNew<fw::IllegalCastException>("wrong kind"); });
    fw::RuntimeCallHandler([] { fw::RaiseNew<fw::EndException>("quiet"); });
    fw::_RuntimeSetExceptionHelper(nullptr);
    EXPECT_EQ(helperCalls, 3);
    EXPECT_EQ(presenter.Alerts(), std::vector<std::string>{"Unhandled IllegalCastException: wrong kind"});
}

class VersionedApp : public fw::Application {};

TEST_F(RuntimeTest, TheApplicationKeepsItsVersionDataAndCountsWindows) {
    fw::Ref<fw::Application> app = fw::NewObject<fw::Application>();
    app->_x_SetVersionData(2, 0, 0, 0, 3, "\xC2\xA9 2017-2020", "2.0", "Tandrel");
    const std::vector<std::pair<const char *, fw::PropertyValue>> rows = {
        {"MajorVersion", int64_t{2}},        {"MinorVersion", int64_t{0}},
        {"BugVersion", int64_t{0}},          {"NonReleaseVersion", int64_t{0}},
        {"StageCode", int64_t{3}},           {"LongVersion", fw::String("\xC2\xA9 2017-2020")},
        {"ShortVersion", fw::String("2.0")}, {"PackageInfo", fw::String("Tandrel")}};
    for (const auto &[key, value] : rows)
        EXPECT_EQ(fw::GetProperty(*app, key), value) << key;
    EXPECT_THROW(app->AddTrayItem(nullptr), fw::Raised);
    EXPECT_THROW(app->OpenDocument("x"), fw::Raised);

    TestWnd::hooks.windowList = WindowList(200, 100);
    fw::Ref<TestWnd> w = fw::ImplicitWindow<TestWnd>();
    EXPECT_EQ(app->WindowCount(), 1);
    EXPECT_EQ(app->Window(0).get(), w.get());
    EXPECT_FALSE(app->Window(1));
}

} // namespace
