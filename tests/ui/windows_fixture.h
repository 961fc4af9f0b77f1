#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include <gtest/gtest.h>

#include "framework/presenter.h"
#include "framework/window.h"

#include <QElapsedTimer>

class QWidget;

// The program's windows on the offscreen platform. The Qt application, the
// framework's classes and the matrix library are set up once per process
// (windows_fixture.cpp); each test starts with no window open, records every
// alert, and ends by discarding the windows it left open. Timers run kRate
// times as fast as in the program, so the about window's 4000 ms last
// kPeriodMs here.
class WindowsTest : public testing::Test {
public:
    static constexpr int kRate = 20;
    static constexpr int kPeriodMs = 4000 / kRate;


    // The open window of that class name, else nil; never builds one.
    static fw::Ref<fw::Window> OpenWindow(std::string_view className);
    // Open and shown on the screen.
    static bool Shown(std::string_view className);
    static int OpenCount(std::string_view className);

    static QWidget *Frame(const fw::Window &window);
    static QWidget *Content(const fw::Window &window);
    static QWidget *Widget(const fw::Control &control);
    // Chooses the item of that name from the window's own menu bar, as a
    // click on the menu entry would.
    static void Choose(const fw::Window &window, const char *itemName);
    // Runs the event loop for `ms` milliseconds.
    static void Pump(int ms);
    // Runs the event loop until `condition` holds and answers how many
    // milliseconds had passed on `clock` by then; -1 when it still does not
    // hold after `timeoutMs`. A busy machine only makes the answer later.
    static qint64 WaitUntil(const std::function<bool()> &condition, const QElapsedTimer &clock,
                            int timeoutMs = 25 * kPeriodMs);

protected:
    void SetUp() override;
    void TearDown() override;
    fw::RecordingPresenter recorder_;

private:
    std::unique_ptr<fw::ScopedPresenter> presenter_;
};

inline constexpr std::string_view kAboutClass = "AboutWnd.AboutWnd";
inline constexpr std::string_view kHelpClass = "helpWnd.helpWnd";
inline constexpr std::string_view kControlClass = "ControlWnd.ControlWnd";
