#include "ui/help_wnd.h"

#include "framework/delegate.h"
#include "framework/properties.h"
#include "ui/help_wnd_lists.h"
#include "ui/help_wnd_operations.h"
#include "ui/window_class.h"

void helpWnd::_CreateControls0() {
    AddNewControl(*this, fw::TextArea::ClassRecordOf(), "EditField1");
    fw::_SetProperties(*EditField1(), help_lists::EditField1());
    fw::RuntimeAddEventHandler(EditField1().get(), fw::EventNumber::Open,
                               WINDOW_DELEGATE(*this, helpWnd, EditField1_Open, help_operations::kBeforeMenuItems));
}
