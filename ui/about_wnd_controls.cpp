#include "ui/about_wnd.h"

#include "framework/delegate.h"
#include "framework/properties.h"
#include "ui/about_wnd_lists.h"
#include "ui/about_wnd_operations.h"
#include "ui/pictures.h"
#include "ui/window_class.h"

void AboutWnd::_CreateControls0() {
    AddNewControl(*this, fw::Label::ClassRecordOf(), "StaticText2");
    fw::_SetProperties(*StaticText2(), about_lists::StaticText2());

    AddNewControl(*this, fw::Canvas::ClassRecordOf(), "Canvas1");
    Canvas1()->SetBackdrop(pictures::TD270());
    fw::_SetProperties(*Canvas1(), about_lists::Canvas1());

    AddNewControl(*this, fw::Canvas::ClassRecordOf(), "Canvas3");
    Canvas3()->SetBackdrop(pictures::icon75());
    fw::_SetProperties(*Canvas3(), about_lists::Canvas3());

    // From its list on the timer runs: it fires once, one period later.
    AddNewControl(*this, AboutWnd_Timer1::ClassRecordOf(), "Timer1");
    fw::_SetProperties(*Timer1(), about_lists::Timer1());
    fw::RuntimeAddEventHandler(Timer1().get(), fw::EventNumber::TimerAction,
                               WINDOW_DELEGATE(*this, AboutWnd, Timer1_Action, about_operations::kOwn));
}
