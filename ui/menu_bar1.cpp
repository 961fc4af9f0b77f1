#include "ui/menu_bar1.h"

#include <optional>
#include <span>
#include <string_view>

#include "framework/exceptions.h"
#include "ui/implicit_windows.h"

namespace {

using RecordOf = const fw::ClassRecord &(*)();

// One row of the menu tree. `menu` is empty for a menu itself, else the name
// of the menu the entry goes into. No shortcut: the item keeps the default.
struct Row {
    RecordOf itemClass;
    std::string_view menu;
    std::string_view name;
    std::string_view caption;
    std::optional<std::string_view> shortcut;
};

constexpr RecordOf kItem = &fw::MenuItem::ClassRecordOf;

const Row kFileRows[] = {
    {kItem, "", "FileMenu", "&File", ""},
    {&fw::QuitMenuItem::ClassRecordOf, "FileMenu", "FileQuit", "&Quit", "Cmd+Q"},
    {&fw::PrefsMenuItem::ClassRecordOf, "FileMenu", "AboutItem", "About Tandrel", ""},
};

const Row kEditRows[] = {
    {kItem, "", "EditMenu", "&Edit", ""},
    {kItem, "EditMenu", "EditUndo", "&Undo", "Cmd+Z"},
    {kItem, "EditMenu", "UntitledMenu1", "-", std::nullopt},
    {kItem, "EditMenu", "EditCut", "Cu&t", "Cmd+X"},
    {kItem, "EditMenu", "EditCopy", "&Copy", "Cmd+C"},
    {kItem, "EditMenu", "EditPaste", "&Paste", "Cmd+V"},
    {kItem, "EditMenu", "EditClear", "&Delete", ""},
    {kItem, "EditMenu", "UntitledMenu0", "-", std::nullopt},
    {kItem, "EditMenu", "EditSelectAll", "Select &All", "Cmd+A"},
};

const Row kWindowRows[] = {
    {kItem, "", "InfoMenu", "Window", ""},
    {kItem, "InfoMenu", "ControlItem", "Control", ""},
    {kItem, "InfoMenu", "InfoItem", "Info", ""},
};

// Makes the row's item, sets it up and attaches it at once: a menu to the
// bar, an entry to its menu, found anew by name for every entry.
void AddRow(fw::MenuBar &bar, const Row &row) {
    fw::Ref<fw::Object> object = fw::RuntimeNewObject(row.itemClass());
    fw::Ref<fw::MenuItem> item(fw::CheckCast<fw::MenuItem>(object.get()));
    item->Constructor();
    item->SetName(fw::String(row.name));
    item->SetAutoEnabled(true);
    item->SetValue(fw::String(row.caption));
    item->SetVisible(true);
    if (row.shortcut) item->SetShortcut(fw::String(*row.shortcut));

    if (row.menu.empty()) {
        bar.AddMenu(item);
        return;
    }
    fw::Ref<fw::MenuItem> menu = bar.Child(row.menu);
    if (!menu) fw::RaiseNew<fw::NilObjectException>("No menu named " + std::string(row.menu));
    menu->AddMenu(item);
}

void AddRows(fw::MenuBar &bar, std::span<const Row> rows) {
    for (const Row &row : rows)
        AddRow(bar, row);
}

const char *const kOwnOperations[] = {"Untitled0", "Untitled1", "Untitled2"};

void BuildMenuBar1(fw::ClassRecord &r) {
    const fw::ClassRecord &base = fw::MenuBar::ClassRecordOf();
    r.base = &base;
    r.allocate = fw::Allocator<MenuBar1>();
    r.classTable = base.classTable;
    for (std::size_t slot = 0; slot < base.classTable.size(); ++slot) {
        if (base.classTable[slot] == "Constructor") {
            // The first Constructor slot is the one without arguments: ours.
            r.methods.push_back({"Constructor", "(  )", static_cast<int>(slot), {}});
            break;
        }
    }
    for (const char *name : kOwnOperations) {
        r.methods.push_back({name, "(  )", static_cast<int>(r.classTable.size()), {}});
        r.classTable.emplace_back(name);
    }
}

} // namespace

const fw::ClassRecord &MenuBar1::ClassRecordOf() {
    static const fw::ClassRecord &r = fw::ClassRegistry::Instance().LookUp("MenuBar1.MenuBar1", BuildMenuBar1);
    return r;
}

void MenuBar1::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
}

void MenuBar1::Untitled0() { AddRows(*this, kFileRows); }
void MenuBar1::Untitled1() { AddRows(*this, kEditRows); }
void MenuBar1::Untitled2() { AddRows(*this, kWindowRows); }

fw::Ref<MenuBar1> &MenuBar1::_implicitInstance() {
    // Kept until the process ends: never destroyed at exit, when the views
    // that showed the bar are already gone.
    static auto *instance = new fw::Ref<MenuBar1>();
    return *instance;
}

void MenuBar1::_implicitInstance_Init() {}

namespace implicit {

fw::Ref<::MenuBar1> MenuBar1() {
    fw::Ref<::MenuBar1> &kept = ::MenuBar1::_implicitInstance();
    if (kept) return kept;
    fw::Ref<::MenuBar1> bar = fw::NewObject<::MenuBar1>();
    bar->Constructor();
    // Stored only once the build has gone through: a build that raised
    // leaves the variable empty and the next request starts afresh.
    kept = bar;
    return bar;
}

} // namespace implicit
