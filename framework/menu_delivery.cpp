// Delivering a chosen menu command: the front window's handler, the
// application's handler, the item's own action, then the Edit commands.
#include "framework/app_runtime.h"
#include "framework/menu_item.h"
#include "framework/view/control_view.h"
#include "framework/view/window_view.h"
#include "framework/window.h"

#include <string_view>

namespace fw {

namespace {
bool IsEditCommand(std::string_view name) {
    return name == "EditUndo" || name == "EditCut" || name == "EditCopy" || name == "EditPaste" ||
           name == "EditClear" || name == "EditSelectAll";
}
} // namespace

bool DeliverMenuCommand(Window *front, MenuItem &item) {
    Ref<MenuItem> hold(&item);
    Ref<Window> window(front);
    if (window && !window->IsClosed() && window->RunMenuHandler(item.Name().view())) return true;
    if (Application *app = App()) {
        Ref<Application> holdApp(app);
        if (app->RunMenuHandler(item.Name().view())) return true;
    }
    if (item.HasOwnAction() && item.Event_Action()) return true;
    if (IsEditCommand(item.Name().view()) && window && !window->IsClosed() && window->View()) {
        if (view::ControlView *focused = window->View()->FocusedControl())
            return focused->EditCommand(item.Name().view());
    }
    return false;
}

} // namespace fw
