#include "ui/window_class.h"

#include <algorithm>
#include <string>

namespace {

// What a window takes over from Window without a class-table place: the
// runtime's look-ups of a control by name and by name and index, and the
// making and ending of the platform window.
const fw::MethodRecord kUnslottedWindowMethods[] = {
    {"_GetControl", "( String ) as Control", -1, {}},
    {"_GetControlArray", "( String, Integer ) as Control", -1, {}},
    {"__Init", "(  )", -1, {}},
    {"__Exit", "(  )", -1, {}},
};

} // namespace

const WindowOperation kMenuItemAccessorOperations[15] = {
    {"InfoMenu", "(  ) as MenuItem"},
    {"InfoItem", "(  ) as MenuItem"},
    {"ControlItem", "(  ) as MenuItem"},
    {"EditMenu", "(  ) as MenuItem"},
    {"EditSelectAll", "(  ) as MenuItem"},
    {"UntitledMenu0", "(  ) as MenuItem"},
    {"EditClear", "(  ) as MenuItem"},
    {"EditPaste", "(  ) as MenuItem"},
    {"EditCopy", "(  ) as MenuItem"},
    {"EditCut", "(  ) as MenuItem"},
    {"UntitledMenu1", "(  ) as MenuItem"},
    {"EditUndo", "(  ) as MenuItem"},
    {"FileMenu", "(  ) as MenuItem"},
    {"AboutItem", "(  ) as PrefsMenuItem"},
    {"FileQuit", "(  ) as QuitMenuItem"},
};

void BuildWindowClass(fw::ClassRecord &r, std::function<fw::Object *()> allocate,
                      std::initializer_list<std::span<const WindowOperation>> own,
                      std::vector<fw::EventRecord> events) {
    const fw::ClassRecord &base = fw::Window::ClassRecordOf();
    r.base = &base;
    r.allocate = std::move(allocate);
    r.classTable = base.classTable;

    // Two records of one name (the two Invalidate) keep their slot order.
    std::vector<fw::MethodRecord> inherited = base.methods;
    for (const fw::MethodRecord &extra : kUnslottedWindowMethods) {
        const bool listed = std::any_of(inherited.begin(), inherited.end(),
                                        [&](const fw::MethodRecord &m) { return m.name == extra.name; });
        if (!listed) inherited.push_back(extra);
    }
    std::stable_sort(inherited.begin(), inherited.end(),
                     [](const fw::MethodRecord &a, const fw::MethodRecord &b) { return a.name < b.name; });
    r.methods = std::move(inherited);

    for (std::span<const WindowOperation> run : own) {
        for (const WindowOperation &op : run) {
            fw::MethodRecord record{op.name, op.signature, static_cast<int>(r.classTable.size()), {}};
            if (record.name == "_CreateControls0") record.attributes.emplace_back("Hidden");
            r.methods.push_back(std::move(record));
            r.classTable.emplace_back(op.name);
        }
    }
    // Asked by the runtime, outside the class table.
    r.methods.push_back({"IsEventImplemented", "( String ) as Boolean", -1, {}});
    r.events = std::move(events);
}

void AddNewControl(fw::Window &window, const fw::ClassRecord &record, const fw::String &name) {
    fw::Ref<fw::Object> object = window.__New(record);
    fw::Ref<fw::Control> control(fw::CheckCast<fw::Control>(object.get()));
    control->Constructor();
    window._AddControl(name, control);
}

fw::Ref<fw::MenuItem> MenuBar1Window::InfoMenu() { return MenuBarItem<fw::MenuItem>(*this, "InfoMenu"); }
fw::Ref<fw::MenuItem> MenuBar1Window::InfoItem() { return MenuBarItem<fw::MenuItem>(*this, "InfoItem"); }
fw::Ref<fw::MenuItem> MenuBar1Window::ControlItem() { return MenuBarItem<fw::MenuItem>(*this, "ControlItem"); }
fw::Ref<fw::MenuItem> MenuBar1Window::EditMenu() { return MenuBarItem<fw::MenuItem>(*this, "EditMenu"); }
fw::Ref<fw::MenuItem> MenuBar1Window::EditSelectAll() { return MenuBarItem<fw::MenuItem>(*this, "EditSelectAll"); }
fw::Ref<fw::MenuItem> MenuBar1Window::UntitledMenu0() { return MenuBarItem<fw::MenuItem>(*this, "UntitledMenu0"); }
fw::Ref<fw::MenuItem> MenuBar1Window::EditClear() { return MenuBarItem<fw::MenuItem>(*this, "EditClear"); }
fw::Ref<fw::MenuItem> MenuBar1Window::EditPaste() { return MenuBarItem<fw::MenuItem>(*this, "EditPaste"); }
fw::Ref<fw::MenuItem> MenuBar1Window::EditCopy() { return MenuBarItem<fw::MenuItem>(*this, "EditCopy"); }
fw::Ref<fw::MenuItem> MenuBar1Window::EditCut() { return MenuBarItem<fw::MenuItem>(*this, "EditCut"); }
fw::Ref<fw::MenuItem> MenuBar1Window::UntitledMenu1() { return MenuBarItem<fw::MenuItem>(*this, "UntitledMenu1"); }
fw::Ref<fw::MenuItem> MenuBar1Window::EditUndo() { return MenuBarItem<fw::MenuItem>(*this, "EditUndo"); }
fw::Ref<fw::MenuItem> MenuBar1Window::FileMenu() { return MenuBarItem<fw::MenuItem>(*this, "FileMenu"); }
fw::Ref<fw::PrefsMenuItem> MenuBar1Window::AboutItem() { return MenuBarItem<fw::PrefsMenuItem>(*this, "AboutItem"); }
fw::Ref<fw::QuitMenuItem> MenuBar1Window::FileQuit() { return MenuBarItem<fw::QuitMenuItem>(*this, "FileQuit"); }
