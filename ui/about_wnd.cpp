#include "ui/about_wnd.h"

#include "framework/app_runtime.h"
#include "framework/exceptions.h"
#include "framework/properties.h"
#include "ui/about_wnd_hand_over.h"
#include "ui/about_wnd_lists.h"
#include "ui/about_wnd_operations.h"
#include "ui/conversion_window_step.h"
#include "ui/implicit_windows.h"
#include "ui/window_class.h"

namespace {

void BuildAboutWnd(fw::ClassRecord &r) {
    BuildWindowClass(r, fw::Allocator<AboutWnd>(), {about_operations::kOwn},
                     {{"Layout", "Layout"},
                      {"CreateControls", "CreateControls"},
                      {"MouseDown", "Event_MouseDown"},
                      {"KeyDown", "Event_KeyDown"}});
}

void BuildAboutWndTimer1(fw::ClassRecord &r) {
    const fw::ClassRecord &base = fw::Timer::ClassRecordOf();
    r.base = &base;
    r.allocate = fw::Allocator<AboutWnd_Timer1>();
    r.classTable = base.classTable;
    r.methods = base.methods;
}

void HandOver() { AboutWndHandOver(ShowConversionWindow); }

} // namespace

void AboutWndHandOver(const std::function<void()> &showNext) {
    fw::Ref<AboutWnd> about = implicit::AboutWnd();
    about->Hide();
    try {
        showNext();
    } catch (...) {
        if (!about->IsClosed()) about->Show();
        throw;
    }
}

const fw::ClassRecord &AboutWnd_Timer1::ClassRecordOf() {
    static const fw::ClassRecord &r = fw::ClassRegistry::Instance().LookUp("AboutWnd_Timer1", BuildAboutWndTimer1);
    return r;
}

const fw::ClassRecord &AboutWnd::ClassRecordOf() {
    static const fw::ClassRecord &r = fw::ClassRegistry::Instance().LookUp("AboutWnd.AboutWnd", BuildAboutWnd);
    return r;
}

bool AboutWnd::IsEventImplemented(const fw::String &eventName) {
    return fw::_RuntimeIsEventHandled(*this, "AboutWnd.AboutWnd", eventName, true);
}

void AboutWnd::Layout() { fw::_SetProperties(*this, about_lists::Window()); }

void AboutWnd::CreateControls() { _CreateControls0(); }

fw::Ref<fw::Label> AboutWnd::StaticText2() { return WindowControl<fw::Label>(*this, "StaticText2"); }
fw::Ref<fw::Canvas> AboutWnd::Canvas1() { return WindowControl<fw::Canvas>(*this, "Canvas1"); }
fw::Ref<fw::Canvas> AboutWnd::Canvas3() { return WindowControl<fw::Canvas>(*this, "Canvas3"); }
fw::Ref<fw::Timer> AboutWnd::Timer1() { return WindowControl<fw::Timer>(*this, "Timer1"); }

void AboutWnd::Timer1_Action(fw::Timer *) { HandOver(); }

bool AboutWnd::Event_MouseDown(int64_t, int64_t) {
    HandOver();
    return false;
}

bool AboutWnd::Event_KeyDown(const fw::String &) {
    HandOver();
    return false;
}

namespace implicit {

fw::Ref<::AboutWnd> AboutWnd() { return fw::ImplicitWindow<::AboutWnd>(); }
void ShowAboutWnd() { AboutWnd()->Show(); }

} // namespace implicit
