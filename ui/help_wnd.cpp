#include "ui/help_wnd.h"

#include <cstdint>
#include <string_view>

#include "framework/app_runtime.h"
#include "framework/exceptions.h"
#include "framework/properties.h"
#include "ui/conversion_window_step.h"
#include "ui/help_wnd_lists.h"
#include "ui/help_wnd_operations.h"
#include "ui/implicit_windows.h"
#include "ui/window_class.h"
#include "ui/menu_bar1.h"

namespace {

void BuildHelpWnd(fw::ClassRecord &r) {
    BuildWindowClass(r, fw::Allocator<helpWnd>(),
                     {help_operations::kBeforeMenuItems, kMenuItemAccessorOperations, help_operations::kAfterMenuItems},
                     {{"Layout", "Layout"},
                      {"CreateControls", "CreateControls"},
                      {"AddMenuHandlers", "AddMenuHandlers"}});
}

// The number of characters (UTF-8 code points) before the first CR, or in
// the whole text when it has none.
int64_t FirstLineLength(std::string_view text) {
    int64_t characters = 0;
    for (char c : text) {
        if (c == '\r') break;
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    }
    return characters;
}

} // namespace

const fw::ClassRecord &helpWnd::ClassRecordOf() {
    static const fw::ClassRecord &r = fw::ClassRegistry::Instance().LookUp("helpWnd.helpWnd", BuildHelpWnd);
    return r;
}

bool helpWnd::IsEventImplemented(const fw::String &eventName) {
    return fw::_RuntimeIsEventHandled(*this, "helpWnd.helpWnd", eventName, true);
}

void helpWnd::Layout() {
    SetMenuBar(implicit::MenuBar1());
    fw::_SetProperties(*this, help_lists::Window());
}

void helpWnd::CreateControls() { _CreateControls0(); }

void helpWnd::AddMenuHandlers(fw::Window *window) {
    helpWnd *help = fw::CheckCast<helpWnd>(window);
    help->_AddMenuHandler("ControlItem",
                          WINDOW_DELEGATE(*help, helpWnd, _ControlItem_Action, help_operations::kAfterMenuItems));
}

fw::Ref<fw::TextArea> helpWnd::EditField1() { return WindowControl<fw::TextArea>(*this, "EditField1"); }

void helpWnd::EditField1_Open(fw::TextArea *) {
    fw::Ref<fw::TextArea> area = EditField1();
    fw::StyledText *styled = area->GetStyledText();
    if (!styled) fw::RaiseNew<fw::NilObjectException>("The help text has no styled text");
    // The title line and the CR that ends it.
    styled->Bold(0, FirstLineLength(area->Text().view()) + 1, true);
}


bool helpWnd::_ControlItem_Action() {
    ShowConversionWindow();
    return true;
}

namespace implicit {

fw::Ref<::helpWnd> helpWnd() { return fw::ImplicitWindow<::helpWnd>(); }
void ShowhelpWnd() { helpWnd()->Show(); }

} // namespace implicit
