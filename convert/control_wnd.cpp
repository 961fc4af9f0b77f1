#include "convert/control_wnd.h"

#include <algorithm>
#include <string>
#include <vector>

#include "convert/control_wnd_lists.h"
#include "convert/control_wnd_operations.h"
#include "framework/app_runtime.h"
#include "framework/properties.h"
#include "ui/implicit_windows.h"
#include "ui/menu_bar1.h"
#include "ui/window_class.h"

namespace {

constexpr const char *kClassName = "ControlWnd.ControlWnd";

void BuildControlWnd(fw::ClassRecord &r) {
    BuildWindowClass(r, fw::Allocator<ControlWnd>(),
                     {control_wnd_operations::kBeforeMenuItems, kMenuItemAccessorOperations,
                      control_wnd_operations::kAfterMenuItems},
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
