#include "tests/ui/windows_fixture.h"

#include "convert/control_wnd.h"
#include "framework/app_runtime.h"
#include "framework/runtime_state.h"
#include "framework/timer.h"
#include "framework/view/control_view.h"
#include "framework/view/window_view.h"
#include "framework/window_registry.h"
#include "matrix/binding.h"
#include "tests/support/qt_environment.h"
#include "ui/conversion_window_step.h"
#include "ui/implicit_windows.h"
#include "ui/menu_bar1.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>

namespace {

// The framework's classes and the matrix library, once for the whole test
// program.
[[maybe_unused]] testing::Environment *const environment = testing::AddGlobalTestEnvironment(new QtEnvironment([] {
    fw::_RuntimeInitExternalClasses();
    _InitPluginEntrypoints();
    fw::SetTimerClockRateForTesting(WindowsTest::kRate);
    // As the program hands it over: the help and about windows show the
    // conversion window.
    SetShowConversionWindow(&implicit::ShowControlWnd);
    // As start-up leaves it: an application object with the shared menu bar.
    static fw::Ref<fw::Application> app = fw::NewObject<fw::Application>();
    app->SetMenuBar(implicit::MenuBar1());
    fw::_RuntimeRegisterAppObject(*app);
}));

} // namespace

void WindowsTest::SetUp() {
    presenter_ = std::make_unique<fw::ScopedPresenter>(recorder_);
    ASSERT_TRUE(fw::OpenWindows().empty());
}

void WindowsTest::TearDown() {
    // A handler that failed would have shown exactly one alert.
    EXPECT_TRUE(recorder_.Alerts().empty()) << recorder_.Alerts().front();
    DiscardAllWindowsNow();
    fw::detail::ResetRuntimeForTests();
    presenter_.reset();
}

fw::Ref<fw::Window> WindowsTest::OpenWindow(std::string_view className) { return fw::_GetImplicitWindow(className); }

bool WindowsTest::Shown(std::string_view className) {
    fw::Ref<fw::Window> window = OpenWindow(className);
    return window && window->IsShown();
}

int WindowsTest::OpenCount(std::string_view className) {
    int count = 0;
    for (const fw::Ref<fw::Window> &w : fw::OpenWindows())
        if (w->Class() && w->Class()->name == className) ++count;
    return count;
}

QWidget *WindowsTest::Frame(const fw::Window &window) { return window.View()->Frame(); }
QWidget *WindowsTest::Content(const fw::Window &window) { return window.View()->Content(); }
QWidget *WindowsTest::Widget(const fw::Control &control) { return control.View()->Widget(); }

void WindowsTest::Choose(const fw::Window &window, const char *itemName) {
    auto *action = Frame(window)->findChild<QAction *>(itemName);
    ASSERT_NE(action, nullptr) << "no menu entry " << itemName;
    action->trigger();
}

void WindowsTest::Pump(int ms) { QTest::qWait(ms); }

qint64 WindowsTest::WaitUntil(const std::function<bool()> &condition, const QElapsedTimer &clock, int timeoutMs) {
    if (!QTest::qWaitFor(condition, timeoutMs)) return -1;
    return clock.elapsed();
}
