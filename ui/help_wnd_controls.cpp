#include "ui/help_wnd.h"

#include "framework/control.h"
#include "framework/delegate.h"
#include "framework/properties.h"
#include "ui/help_wnd_lists.h"

void helpWnd::_CreateControls0() {
    fw::Ref<fw::Object> object = __New(fw::TextArea::ClassRecordOf());
    {
        fw::Ref<fw::TextArea> area(fw::CheckCast<fw::TextArea>(object.get()));
        area->Constructor();
        _AddControl("EditField1", area);
    }
    object = nullptr; // the window holds it now

    fw::_SetProperties(*EditField1(), help_lists::EditField1());
    fw::RuntimeAddEventHandler(EditField1().get(), fw::EventNumber::Open,
                               fw::RuntimeCreateDelegate(*this, &helpWnd::EditField1_Open, "( TextArea )"));
}
