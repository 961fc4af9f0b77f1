#include "convert/control_wnd.h"

#include <algorithm>
#include <string>
#include <vector>

#include "convert/control_wnd_lists.h"
#include "framework/app_runtime.h"
#include "framework/properties.h"
#include "ui/implicit_windows.h"
#include "ui/menu_bar1.h"
#include "ui/window_class.h"

namespace {

constexpr const char *kClassName = "ControlWnd.ControlWnd";

// The class's own operations in class-table order, around the menu-item accessors.
const WindowOperation kOperationsBeforeMenuItems[] = {
    {"Layout", "(  )"},
    {"CreateControls", "(  )"},
    {"_CreateControls0", "(  )"},
    {"Canvas1", "(  ) as Canvas"},
    {"CalcBtn", "(  ) as PushButton"},
    {"ClearSDBtn", "(  ) as PushButton"},
    {"InfoBtn", "(  ) as PushButton"},
    {"corrFld", "(  ) as TextArea"},
    {"covFld", "(  ) as TextArea"},
    {"Canvas3", "(  ) as Canvas"},
    {"Label3", "(  ) as Label"},
    {"dimFld", "(  ) as TextField"},
    {"scratchFld", "(  ) as TextArea"},
    {"Canvas4", "(  ) as Canvas"},
    {"Canvas5", "(  ) as Canvas"},
    {"sdFld", "(  ) as TextArea"},
    {"Canvas6", "(  ) as Canvas"},
    {"RadioButton2", "(  ) as RadioButton"},
    {"RadioButton1", "(  ) as RadioButton"},
    {"Line1", "(  ) as Line"},
    {"Line2", "(  ) as Line"},
    {"Line3", "(  ) as Line"},
    {"Line4", "(  ) as Line"},
    {"ClearCorrBtn", "(  ) as PushButton"},
    {"ClearCovBtn", "(  ) as PushButton"},
    {"Label1", "(  ) as Label"},
    {"CalcBtn_Action", "( PushButton )"},
    {"ClearSDBtn_Action", "( PushButton )"},
    {"InfoBtn_Action", "( PushButton )"},
    {"corrFld_Open", "( TextArea )"},
    {"corrFld_TextChange", "( TextArea )"},
    {"corrFld_KeyDown", "( TextArea, String ) as Boolean"},
    {"covFld_Open", "( TextArea )"},
    {"covFld_TextChange", "( TextArea )"},
    {"covFld_KeyDown", "( TextArea, String ) as Boolean"},
    {"Label3_Open", "( Label )"},
    {"dimFld_KeyDown", "( TextField, String ) as Boolean"},
    {"sdFld_KeyDown", "( TextArea, String ) as Boolean"},
    {"sdFld_Open", "( TextArea )"},
    {"sdFld_TextChange", "( TextArea )"},
    {"RadioButton2_Action", "( RadioButton )"},
    {"RadioButton1_Action", "( RadioButton )"},
    {"ClearCorrBtn_Action", "( PushButton )"},
    {"ClearCovBtn_Action", "( PushButton )"},
};

// After the menu-item accessors.
const WindowOperation kOperationsAfterMenuItems[] = {
    {"AddMenuHandlers", "( Window )"},
    {"Event_Close", "(  )"},
    {"_FileQuit_Action", "(  ) as Boolean"},
    {"_InfoItem_Action", "(  ) as Boolean"},
    {"_AboutItem_Action", "(  ) as Boolean"},
};

void BuildControlWnd(fw::ClassRecord &r) {
    BuildWindowClass(r, fw::Allocator<ControlWnd>(),
                     {kOperationsBeforeMenuItems, kMenuItemAccessorOperations, kOperationsAfterMenuItems},
                     {{"Layout", "Layout"},
                      {"CreateControls", "CreateControls"},
                      {"AddMenuHandlers", "AddMenuHandlers"},
                      {"Close", "Event_Close"}});
}

} // namespace

const fw::ClassRecord &ControlWnd::ClassRecordOf() {
    static const fw::ClassRecord &r = fw::ClassRegistry::Instance().LookUp(kClassName, BuildControlWnd);
    return r;
}

bool ControlWnd::IsEventImplemented(const fw::String &eventName) {
    return fw::_RuntimeIsEventHandled(*this, kClassName, eventName, true);
}

void ControlWnd::Layout() {
    SetMenuBar(implicit::MenuBar1());
    fw::_SetProperties(*this, control_wnd_lists::Window());
}

void ControlWnd::CreateControls() { _CreateControls0(); }

namespace implicit {

fw::Ref<::ControlWnd> ControlWnd() { return fw::ImplicitWindow<::ControlWnd>(); }
void ShowControlWnd() { ControlWnd()->Show(); }

} // namespace implicit
