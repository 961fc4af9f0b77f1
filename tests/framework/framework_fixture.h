#pragma once

#include "framework/presenter.h"
#include "framework/properties.h"
#include "framework/push_button.h"
#include "framework/radio_button.h"
#include "framework/text_area.h"
#include "framework/text_edit.h"
#include "framework/timer.h"
#include "framework/window.h"
#include "tests/support/qt_environment.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class QWidget;

// One Qt application for the whole test program (made by the environment in
// framework_fixture.cpp); every test records alerts and beeps, and ends with
// every window discarded and the runtime's quit state forgotten.
class FrameworkTest : public ::testing::Test {
protected:
    void TearDown() override;
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter presenterGuard{presenter};
};

// Runs the event loop for a moment, so that deferred work happens.

// A window class for the tests. Its class record handles every window event;
// what it builds comes from the static hooks, set by each test.
class TestWnd : public fw::Window {
public:
    static const fw::ClassRecord &ClassRecordOf();
    bool IsEventImplemented(const fw::String &eventName) override;

    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers(fw::Window *window) override;
    void Event_Close() override;
    bool Event_MouseDown(int64_t x, int64_t y) override;
    bool Event_KeyDown(const fw::String &key) override;

    // Handlers of the shapes the program uses; each records its call.
    void Button_Action(fw::PushButton *button);
    void Radio_Action(fw::RadioButton *button);
    void Area_TextChange(fw::TextArea *area);
    void Control_Open(fw::Control *control);
    bool Field_KeyDown(fw::TextField *field, fw::String key);
    bool Area_KeyDown(fw::TextArea *area, fw::String key);
    bool Menu_Action();
    void Timer_Action(fw::Timer *timer);

    struct Hooks {
        std::string windowList;                           // applied in Layout
        std::function<void(TestWnd &)> createControls;    // in CreateControls
        std::function<void(TestWnd &)> addMenuHandlers;   // in AddMenuHandlers
        std::function<bool(const std::string &)> keyDown; // controls' KeyDown result
        std::function<void()> onAction;                   // inside Button_Action
        std::function<void(TestWnd &)> onClose;           // inside Event_Close
        std::function<void(fw::Timer &)> onTimer;         // inside Timer_Action
        bool mouseDownResult = false;
    };
    static Hooks hooks;
    static std::vector<std::string> log; // every event, in order
    static void Reset();
};

// A window class that implements only Layout and CreateControls.
class PlainWnd : public fw::Window {
public:
    static const fw::ClassRecord &ClassRecordOf();
    bool IsEventImplemented(const fw::String &eventName) override;
    void Layout() override;
    void Event_Close() override;
    static int closeCalls;
};

// The window list the tests use: visible, resizeable unless told otherwise.
std::string WindowList(int64_t width, int64_t height, bool visible = true, bool resizeable = true);

// Makes a control of class C in the window under `name`, the way the
// program's _CreateControls0 does, and applies `list` to it.
template <class C> C *MakeControl(fw::Window &window, const char *name, const std::string &list = {}) {
    fw::Ref<fw::Object> object = window.__New(C::ClassRecordOf());
    C *control = fw::CheckCast<C>(object.get());
    control->Constructor();
    window._AddControl(name, fw::Ref<fw::Control>(control));
    control = fw::CheckCast<C>(window._ControlByName(name).get());
    if (!list.empty()) fw::_SetProperties(*control, list);
    return control;
}

// The control's widget (the window must be built).
QWidget *WidgetOf(const fw::Control &control);
QWidget *FrameOf(const fw::Window &window);
