#include "convert/control_wnd.h"

#include <algorithm>
#include <string>
#include <vector>

#include "convert/control_wnd_lists.h"
#include "framework/app_runtime.h"
#include "framework/properties.h"
#include "ui/implicit_windows.h"
#include "ui/menu_bar1.h"

namespace {

constexpr const char *kClassName = "ControlWnd.ControlWnd";

// What the window takes over from Window without a class-table place: the
// runtime's look-ups of a control by name and by name and index, and the
// making and ending of the platform window.
const fw::MethodRecord kUnslottedWindowMethods[] = {
    {"_GetControl", "( String ) as Control", -1, {}},
    {"_GetControlArray", "( String, Integer ) as Control", -1, {}},
    {"__Init", "(  )", -1, {}},
    {"__Exit", "(  )", -1, {}},
};

struct OwnOperation {
    const char *name;
    const char *signature;
};

// The class's own operations in class-table order.
const OwnOperation kOwnOperations[] = {
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
    {"AddMenuHandlers", "( Window )"},
    {"Event_Close", "(  )"},
    {"_FileQuit_Action", "(  ) as Boolean"},
    {"_InfoItem_Action", "(  ) as Boolean"},
    {"_AboutItem_Action", "(  ) as Boolean"},
};

void BuildControlWnd(fw::ClassRecord &r) {
    const fw::ClassRecord &base = fw::Window::ClassRecordOf();
    r.base = &base;
    r.allocate = fw::Allocator<ControlWnd>();
    r.classTable = base.classTable;

    // First what the window takes over, by name; two records of one name
    // (the two Invalidate) keep their slot order.
    std::vector<fw::MethodRecord> inherited = base.methods;
    for (const fw::MethodRecord &extra : kUnslottedWindowMethods) {
        const bool listed = std::any_of(inherited.begin(), inherited.end(),
                                        [&](const fw::MethodRecord &m) { return m.name == extra.name; });
        if (!listed) inherited.push_back(extra);
    }
    std::stable_sort(inherited.begin(), inherited.end(),
                     [](const fw::MethodRecord &a, const fw::MethodRecord &b) { return a.name < b.name; });
    r.methods = std::move(inherited);

    for (const OwnOperation &op : kOwnOperations) {
        fw::MethodRecord record{op.name, op.signature, static_cast<int>(r.classTable.size()), {}};
        if (record.name == "_CreateControls0") record.attributes.emplace_back("Hidden");
        r.methods.push_back(std::move(record));
        r.classTable.emplace_back(op.name);
    }
    r.methods.push_back({"IsEventImplemented", "( String ) as Boolean", -1, {}});

    r.events = {
        {"Layout", "Layout"},
        {"CreateControls", "CreateControls"},
        {"AddMenuHandlers", "AddMenuHandlers"},
        {"Close", "Event_Close"},
    };
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

} // namespace implicit
