// Runs the whole program once in this process on the offscreen platform:
// start-up opens the about window, the test then chooses File > Quit through
// the framework's menu delivery, and the program ends. What the run showed is
// recorded once and checked by the tests below.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QTimer>

#include "app/program.h"
#include "app/startup_trace.h"
#include "app/tandrel_app.h"
#include "convert/control_wnd.h"
#include "convert/module1.h"
#include "framework/app_runtime.h"
#include "framework/menu_item.h"
#include "framework/properties.h"
#include "framework/window.h"
#include "ui/about_wnd.h"
#include "ui/credits.h"
#include "ui/help_wnd.h"
#include "ui/implicit_windows.h"
#include "ui/menu_bar1.h"

namespace {

struct Observed {
    int64_t whichBeforeRun = -1;
    bool aboutWindowShown = false;
    bool controlWindowExisted = true;
    size_t openWindows = 0;
    int64_t whichAtStart = -1;
    const fw::ClassRecord *appClass = nullptr;
    std::vector<fw::PropertyValue> versionData;
    fw::MenuBar *appMenuBar = nullptr;
    MenuBar1 *sharedMenuBar = nullptr;
    double release = 0;
    bool hiDPI = false;
    bool quitDelivered = false;
    int exitStatus = -1;
};

Observed observed;

// Polls until the about window is up, notes what start-up left behind, then
// chooses File > Quit with the about window in front.
void WatchForAboutWindow() {
    auto *poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        fw::Ref<fw::Window> front = fw::FrontWindow();
        if (!front || !front->IsA(AboutWnd::ClassRecordOf()) || !front->IsShown()) return;
        poll->stop();
        observed.aboutWindowShown = true;
        observed.openWindows = fw::OpenWindows().size();
        observed.controlWindowExisted = static_cast<bool>(fw::_GetImplicitWindow(ControlWnd::ClassRecordOf().name));
        observed.whichAtStart = Module1::which;
        observed.release = fw::RuntimeDeclaredRelease();
        observed.hiDPI = fw::Application::SupportsHiDPI();
        if (fw::Application *app = fw::App()) {
            observed.appClass = app->Class();
            for (const char *key : {"MajorVersion", "MinorVersion", "BugVersion", "NonReleaseVersion", "StageCode",
                                    "LongVersion", "ShortVersion", "PackageInfo"})
                observed.versionData.push_back(fw::GetProperty(*app, key));
            observed.appMenuBar = app->MenuBar().get();
            observed.sharedMenuBar = MenuBar1::_implicitInstance().get();
            if (observed.appMenuBar) {
                if (fw::Ref<fw::MenuItem> quit = observed.appMenuBar->_Lookup("FileQuit"))
                    observed.quitDelivered = fw::DeliverMenuCommand(front.get(), *quit);
            }
        }
        // Never leave the run hanging when something above went wrong.
        if (!fw::QuitRequested()) fw::Quit(99);
        poll->deleteLater();
    });
    poll->start();
}

class ProgramRun : public testing::Environment {
public:
    void SetUp() override {
        // No display needed, however the test is started.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qAddPreRoutine(&WatchForAboutWindow);
        observed.whichBeforeRun = Module1::which;
        observed.exitStatus = RunProgram();
    }
};

const testing::Environment *const kRun = testing::AddGlobalTestEnvironment(new ProgramRun);

TEST(ProgramRun, StepsRunInStartUpOrder) {
    const std::vector<std::string> expected = {"RuntimeInit",
                                               "RuntimePerformInitializers",
                                               "_Main",
                                               "_EarlyStartup",
                                               "_InitPluginEntrypoints",
                                               "_InitFileTypes",
                                               "_NewAppInstance",
                                               "_ApplicationAddMenuHandlers",
                                               "_RunFrameworkInitialization",
                                               "_RuntimeRun",
                                               "_LateStartup",
                                               "_MakeDefaultView",
                                               "RuntimePerformFinalizers",
                                               "RuntimeExit"};
    EXPECT_EQ(startup::Steps(), expected);
}

TEST(ProgramRun, OpensTheAboutWindowAloneAndQuitsWithStatusZero) {
    EXPECT_TRUE(observed.aboutWindowShown);
    EXPECT_EQ(observed.openWindows, 1u);
    EXPECT_FALSE(observed.controlWindowExisted);
    EXPECT_TRUE(observed.quitDelivered);
    EXPECT_EQ(observed.exitStatus, 0);
    EXPECT_TRUE(fw::OpenWindows().empty());
}

TEST(ProgramRun, WhichIsOneOnceTheInitialisersHaveRun) {
    EXPECT_EQ(observed.whichBeforeRun, 0);
    EXPECT_EQ(observed.whichAtStart, 1);
}

TEST(ProgramRun, InitialisersRunFrameworkThenLibraryThenProgramClasses) {
    const std::vector<std::string> &order = fw::ClassRegistry::Instance().BuildOrder();
    auto position = [&order](const std::string &name) {
        return std::find(order.begin(), order.end(), name) - order.begin();
    };
    const std::vector<std::string> library = {"BadArgumentException",
                                              "BadEntryNumberException",
                                              "Complex",
                                              "ComplexMatrix",
                                              "DivideByZeroException",
                                              "Matrix",
                                              "NegativeNumberException",
                                              "NegativeOrZeroException",
                                              "OverflowOrUnderflowException",
                                              "Polynomial",
                                              "RowColumnMismatch"};
    const auto first = position(library.front());
    ASSERT_LT(first, static_cast<long>(order.size()));
    // The library's eleven in one block, alphabetically.
    ASSERT_LE(first + static_cast<long>(library.size()), static_cast<long>(order.size()));
    EXPECT_EQ(std::vector<std::string>(order.begin() + first, order.begin() + first + library.size()), library);
    // The framework's own classes before them.
    for (const char *framework : {"RuntimeException", "MenuItem", "MenuBar", "Timer", "Window", "Application"})
        EXPECT_LT(position(framework), first) << framework;
    // The program's classes after them, in table order.
    const std::vector<std::string> program = {"Tandrel",
                                              ControlWnd::ClassRecordOf().name,
                                              "MenuBar1.MenuBar1",
                                              helpWnd::ClassRecordOf().name,
                                              AboutWnd_Timer1::ClassRecordOf().name,
                                              AboutWnd::ClassRecordOf().name};
    auto previous = first + static_cast<long>(library.size()) - 1;
    for (const std::string &name : program) {
        const auto at = position(name);
        ASSERT_LT(at, static_cast<long>(order.size())) << name;
        EXPECT_GT(at, previous) << name;
        previous = at;
        EXPECT_EQ(fw::ClassRegistry::Instance().BuildCount(name), 1) << name;
    }
}

TEST(ProgramRun, ApplicationObjectCarriesItsVersionDataAndTheSharedMenuBar) {
    EXPECT_EQ(observed.appClass, &Tandrel::ClassRecordOf());
    const std::vector<fw::PropertyValue> expected = {int64_t{2},        int64_t{0},
                                                     int64_t{0},        int64_t{0},
                                                     int64_t{3},        fw::String(credits::kCopyrightLine),
                                                     fw::String("2.0"), fw::String("Tandrel")};
    EXPECT_EQ(observed.versionData, expected);
    ASSERT_NE(observed.appMenuBar, nullptr);
    EXPECT_EQ(observed.appMenuBar, observed.sharedMenuBar);
    EXPECT_DOUBLE_EQ(observed.release, 2019.031);
    EXPECT_TRUE(observed.hiDPI);
}

} // namespace
