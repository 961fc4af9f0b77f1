#include "framework/menu_item.h"

#include "framework/app_runtime.h"
#include "framework/exceptions.h"
#include "framework/view/menu_view.h"
#include "framework/view/window_view.h"

#include <algorithm>

namespace fw {

namespace {

const Operation kMenuBarClassTable[] = {{"AddMenu"},         {"AddMenuAt"},
                                        {"Append"},          {"Child"},
                                        {"Clone"},           {"Close"},
                                        {"Constructor"},     {"Constructor"},
                                        {"Constructor"},     {"Count"},
                                        {"Enable"},          {"Handle"},
                                        {"Insert"},          {"Item"},
                                        {"LastRowIndex"},    {"MenuAt"},
                                        {"MenuItem"},        {"MenuItem"},
                                        {"PopUp"},           {"PopUp"},
                                        {"Remove"},          {"Remove"},
                                        {"Remove"},          {"RemoveMenuAt"},
                                        {"_DependencyList"}, {"_DisableEntirely"},
                                        {"_Lookup"},         {"_Lookup"},
                                        {"_SelfEnable"},     {"_Swap"},
                                        {"_InstallClone"}};

void BuildMenuItem(ClassRecord &r) {
    r.allocate = Allocator<MenuItem>();
    r.AddOperations(kMenuBarClassTable);
}

void BuildMenuBar(ClassRecord &r) {
    r.base = &MenuItem::ClassRecordOf();
    r.allocate = Allocator<MenuBar>();
    r.classTable = r.base->classTable;
    r.methods = r.base->methods;
}

// The quit and preferences items: menu items whose own class handles Action.
template <class Item> void BuildActionMenuItem(ClassRecord &r) {
    r.base = &MenuItem::ClassRecordOf();
    r.allocate = Allocator<Item>();
    r.classTable = r.base->classTable;
    r.events = {{"Action", "Event_Action"}};
}

[[noreturn]] void OutOfBounds(int64_t index, int64_t count) {
    RaiseNew<OutOfBoundsException>("Menu item index " + std::to_string(index) + " outside 0.." +
                                   std::to_string(count - 1));
}

bool LookUpDepthFirst(const MenuItem &under, std::string_view name, int64_t &skip, Ref<MenuItem> &found) {
    for (const Ref<MenuItem> &child : under.Children()) {
        if (child->Name() == name && skip-- == 0) {
            found = child;
            return true;
        }
        if (LookUpDepthFirst(*child, name, skip, found)) return true;
    }
    return false;
}

} // namespace

const ClassRecord &MenuItem::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("MenuItem", BuildMenuItem);
    return r;
}
const ClassRecord &MenuBar::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("MenuBar", BuildMenuBar);
    return r;
}
const ClassRecord &QuitMenuItem::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("QuitMenuItem", BuildActionMenuItem<QuitMenuItem>);
    return r;
}
const ClassRecord &PrefsMenuItem::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("PrefsMenuItem", BuildActionMenuItem<PrefsMenuItem>);
    return r;
}

MenuItem::~MenuItem() {
    for (const Ref<MenuItem> &child : children_)
        child->parent_ = nullptr;
}

void MenuItem::Constructor() {}

void MenuItem::Constructor(const MenuItem &copyFrom) {
    name_ = copyFrom.name_;
    value_ = copyFrom.value_;
    shortcut_ = copyFrom.shortcut_;
    visible_ = copyFrom.visible_;
    autoEnabled_ = copyFrom.autoEnabled_;
    enabled_ = copyFrom.enabled_;
    tag_ = copyFrom.tag_;
}

void MenuItem::Constructor(const String &caption, const PropertyValue &tag) {
    value_ = caption;
    tag_ = tag;
}

void MenuItem::Touched() { view::RebuildAllMenuBars(); }

void MenuItem::SetName(String name) {
    name_ = std::move(name);
    Touched();
}
void MenuItem::SetValue(String caption) {
    value_ = std::move(caption);
    Touched();
}
void MenuItem::SetShortcut(String shortcut) {
    shortcut_ = std::move(shortcut);
    Touched();
}
void MenuItem::SetVisible(bool visible) {
    visible_ = visible;
    Touched();
}
void MenuItem::SetAutoEnabled(bool value) {
    autoEnabled_ = value;
    if (value) enabled_ = true;
    Touched();
}
void MenuItem::SetEnabled(bool value) {
    enabled_ = value;
    Touched();
}

void MenuItem::AddMenu(Ref<MenuItem> item) { AddMenuAt(Count(), std::move(item)); }

void MenuItem::AddMenuAt(int64_t index, Ref<MenuItem> item) {
    if (!item) RaiseNew<NilObjectException>("Nil menu item");
    if (index < 0 || index > Count()) OutOfBounds(index, Count() + 1);
    for (const MenuItem *up = this; up; up = up->parent_)
        if (up == item.get()) RaiseNew<RuntimeException>("A menu item cannot hold itself");
    if (item->parent_) item->Close();
    item->parent_ = this;
    children_.insert(children_.begin() + index, std::move(item));
    Touched();
}

Ref<MenuItem> MenuItem::Child(std::string_view name) const {
    for (const Ref<MenuItem> &child : children_)
        if (child->Name() == name) return child;
    return nullptr;
}

Ref<MenuItem> MenuItem::Clone() const {
    Ref<Object> object = RuntimeNewObject(Class() ? *Class() : ClassRecordOf());
    Ref<MenuItem> copy(CheckCast<MenuItem>(object.get()));
    copy->Constructor(*this);
    for (const Ref<MenuItem> &child : children_)
        copy->AddMenu(child->Clone());
    return copy;
}

void MenuItem::Close() {
    if (parent_) parent_->Remove(*this);
}

int64_t MenuItem::Handle(int64_t) const {
    RaiseNew<PlatformException>("MenuItem.Handle: this framework has no native menu handles");
}

Ref<MenuItem> MenuItem::Item(int64_t index) const {
    if (index < 0 || index >= Count()) OutOfBounds(index, Count());
    return children_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::PopUp() { return view::PopUpMenu(*this, nullptr); }

Ref<MenuItem> MenuItem::PopUp(int64_t x, int64_t y) {
    const QPoint at(static_cast<int>(x), static_cast<int>(y));
    return view::PopUpMenu(*this, &at);
}

void MenuItem::Remove(int64_t index) {
    if (index < 0 || index >= Count()) OutOfBounds(index, Count());
    Ref<MenuItem> item = children_[static_cast<std::size_t>(index)];
    children_.erase(children_.begin() + index);
    item->parent_ = nullptr;
    Touched();
}

void MenuItem::Remove(const MenuItem &item) {
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (children_[i].get() == &item) return Remove(static_cast<int64_t>(i));
}

void MenuItem::Remove(std::string_view name) {
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (children_[i]->Name() == name) return Remove(static_cast<int64_t>(i));
}

void MenuItem::_DependencyList() const {
    RaiseNew<PlatformException>("MenuItem._DependencyList is not supported here");
}

void MenuItem::_DisableEntirely() {
    enabled_ = false;
    for (const Ref<MenuItem> &child : children_)
        child->_DisableEntirely();
    Touched();
}

Ref<MenuItem> MenuItem::_Lookup(std::string_view name) const { return _Lookup(name, 0); }

Ref<MenuItem> MenuItem::_Lookup(std::string_view name, int64_t index) const {
    Ref<MenuItem> found;
    if (index >= 0) LookUpDepthFirst(*this, name, index, found);
    return found;
}

void MenuItem::_SelfEnable() {
    if (autoEnabled_) SetEnabled(true);
}

void MenuItem::_Swap(MenuItem &) { RaiseNew<PlatformException>("MenuItem._Swap is not supported here"); }

void MenuItem::_InstallClone() { RaiseNew<PlatformException>("MenuItem._InstallClone is not supported here"); }

bool MenuItem::Event_Action() { return false; }

bool MenuItem::HasOwnAction() const { return Class() && _RuntimeIsEventHandled(*this, Class()->name, "Action", true); }

bool QuitMenuItem::Event_Action() { return QuitMenuAction(this); }
bool PrefsMenuItem::Event_Action() { return PrefsMenuAction(this); }

bool QuitMenuAction(MenuItem *) {
    Quit(0);
    return true;
}

bool PrefsMenuAction(MenuItem *) { return false; }

} // namespace fw
