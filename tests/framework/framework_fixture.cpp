#include "tests/framework/framework_fixture.h"

#include "framework/app_runtime.h"
#include "framework/push_button.h"
#include "framework/radio_button.h"
#include "framework/runtime_state.h"
#include "framework/text_area.h"
#include "framework/timer.h"
#include "framework/view/control_view.h"
#include "framework/view/window_view.h"
#include "framework/window_registry.h"
#include "tests/support/qt_environment.h"

#include <QApplication>

namespace {

[[maybe_unused]] ::testing::Environment *const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

void BuildTestWnd(fw::ClassRecord &r) {
    r.base = &fw::Window::ClassRecordOf();
    r.allocate = fw::Allocator<TestWnd>();
    r.classTable = r.base->classTable;
    r.events = {{"Layout", "Layout"},     {"CreateControls", "CreateControls"}, {"AddMenuHandlers", "AddMenuHandlers"},
                {"Close", "Event_Close"}, {"MouseDown", "Event_MouseDown"},     {"KeyDown", "Event_KeyDown"}};
}

void BuildPlainWnd(fw::ClassRecord &r) {
    r.base = &fw::Window::ClassRecordOf();
    r.allocate = fw::Allocator<PlainWnd>();
    r.classTable = r.base->classTable;
    r.events = {{"Layout", "Layout"}};
}

} // namespace

void FrameworkTest::TearDown() {
    DiscardAllWindowsNow();
    fw::detail::ResetRuntimeForTests();
    TestWnd::Reset();
}

TestWnd::Hooks TestWnd::hooks;
std::vector<std::string> TestWnd::log;

void TestWnd::Reset() {
    hooks = {};
    log.clear();
}

const fw::ClassRecord &TestWnd::ClassRecordOf() {
    static const fw::ClassRecord &r = fw::ClassRegistry::Instance().LookUp("TestWnd.TestWnd", BuildTestWnd);
    return r;
}

bool TestWnd::IsEventImplemented(const fw::String &eventName) {
    return fw::_RuntimeIsEventHandled(*this, "TestWnd.TestWnd", eventName, true);
}

void TestWnd::Layout() {
    log.push_back("Layout");
    if (!hooks.windowList.empty()) fw::_SetProperties(*this, hooks.windowList);
}

void TestWnd::CreateControls() {
    log.push_back("CreateControls");
    if (hooks.createControls) hooks.createControls(*this);
}

void TestWnd::AddMenuHandlers(fw::Window *) {
    log.push_back("AddMenuHandlers");
    if (hooks.addMenuHandlers) hooks.addMenuHandlers(*this);
}

void TestWnd::Event_Close() {
    log.push_back("Close");
    if (hooks.onClose) hooks.onClose(*this);
}

bool TestWnd::Event_MouseDown(int64_t x, int64_t y) {
    log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
    return hooks.mouseDownResult;
}

bool TestWnd::Event_KeyDown(const fw::String &key) {
    log.push_back("WindowKeyDown " + key.str());
    return false;
}

void TestWnd::Button_Action(fw::PushButton *button) {
    log.push_back("Action " + button->Name().str());
    if (hooks.onAction) hooks.onAction();
}

void TestWnd::Radio_Action(fw::RadioButton *button) { log.push_back("Action " + button->Name().str()); }

void TestWnd::Area_TextChange(fw::TextArea *area) { log.push_back("TextChange " + area->Name().str()); }

void TestWnd::Control_Open(fw::Control *control) {
    // Open comes after every binding: the last control's handlers are there.
    log.push_back("Open " + control->Name().str());
}

bool TestWnd::Field_KeyDown(fw::TextField *field, fw::String key) {
    log.push_back("KeyDown " + field->Name().str() + " " + key.str());
    return hooks.keyDown && hooks.keyDown(key.str());
}

bool TestWnd::Area_KeyDown(fw::TextArea *area, fw::String key) {
    log.push_back("KeyDown " + area->Name().str() + " " + key.str());
    return hooks.keyDown && hooks.keyDown(key.str());
}

bool TestWnd::Menu_Action() {
    log.push_back("Menu");
    return true;
}

void TestWnd::Timer_Action(fw::Timer *timer) {
    log.push_back("Timer " + timer->Name().str());
    if (hooks.onTimer) hooks.onTimer(*timer);
}

int PlainWnd::closeCalls = 0;

const fw::ClassRecord &PlainWnd::ClassRecordOf() {
    static const fw::ClassRecord &r = fw::ClassRegistry::Instance().LookUp("PlainWnd.PlainWnd", BuildPlainWnd);
    return r;
}

bool PlainWnd::IsEventImplemented(const fw::String &eventName) {
    return fw::_RuntimeIsEventHandled(*this, "PlainWnd.PlainWnd", eventName, true);
}

void PlainWnd::Layout() { fw::_SetProperties(*this, WindowList(200, 100)); }

void PlainWnd::Event_Close() { ++closeCalls; }

std::string WindowList(int64_t width, int64_t height, bool visible, bool resizeable) {
    fw::PropertyListBuilder b;
    b.Int("Width", width).Int("Height", height).Str("Title", "Test").Bool("Resizeable", resizeable);
    b.Bool("Visible", visible).Bool("HasBackgroundColor", true).Colour("BackgroundColor", {0xF5, 0xEB, 0xFC, 0});
    return b.Bytes();
}

QWidget *WidgetOf(const fw::Control &control) { return control.View() ? control.View()->Widget() : nullptr; }

QWidget *FrameOf(const fw::Window &window) { return window.View() ? window.View()->Frame() : nullptr; }
