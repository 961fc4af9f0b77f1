#include "ui/about_wnd.h"

#include "framework/control.h"
#include "framework/delegate.h"
#include "framework/properties.h"
#include "ui/about_wnd_lists.h"
#include "ui/pictures.h"

namespace {

// A new control of class C for the window, its constructor run, registered
// under `name`. The window holds it from here on.
template <class C> void AddNew(fw::Window &window, const fw::String &name) {
    fw::Ref<fw::Object> object = window.__New(C::ClassRecordOf());
    fw::Ref<C> control(fw::CheckCast<C>(object.get()));
    control->Constructor();
    window._AddControl(name, control);
}

} // namespace

void AboutWnd::_CreateControls0() {
    AddNew<fw::Label>(*this, "StaticText2");
    fw::_SetProperties(*StaticText2(), about_lists::StaticText2());

    AddNew<fw::Canvas>(*this, "Canvas1");
    Canvas1()->SetBackdrop(pictures::TD270());
    fw::_SetProperties(*Canvas1(), about_lists::Canvas1());

    AddNew<fw::Canvas>(*this, "Canvas3");
    Canvas3()->SetBackdrop(pictures::icon75());
    fw::_SetProperties(*Canvas3(), about_lists::Canvas3());

    // From its list on the timer runs: it fires once, one period later.
    AddNew<AboutWnd_Timer1>(*this, "Timer1");
    fw::_SetProperties(*Timer1(), about_lists::Timer1());
    fw::RuntimeAddEventHandler(Timer1().get(), fw::EventNumber::TimerAction,
                               fw::RuntimeCreateDelegate(*this, &AboutWnd::Timer1_Action, "( Timer )"));
}
