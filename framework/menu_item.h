#pragma once

#include "framework/object.h"
#include "framework/properties.h"
#include "framework/string.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace fw {

// One item of a menu tree: a menu bar's menu, or an entry of a menu. An item
// with children is a menu.
//
// Caption (Value): "&" marks the access key ("&&" a plain "&"); a caption of
// a single "-" makes a separator line. Shortcut: "Cmd+X" means Ctrl+X here,
// "Option+"/"Alt+" Alt, "Shift+" Shift; a single key alone ("Q") means
// Ctrl+Q; empty: none.
//
// A chosen item is delivered so: the front window's handler bound to the
// item's name (Window::_AddMenuHandler) runs; when there is none, or it
// returns False, the application's handler of that name; then the item's own
// Action (QuitMenuItem, PrefsMenuItem); the Edit items (by name EditUndo,
// EditCut, EditCopy, EditPaste, EditClear, EditSelectAll) then act on the
// focused text field or area of the front window.
class MenuItem : public Object {
public:
    static const ClassRecord &ClassRecordOf();
    ~MenuItem() override;

    // The three constructors: none; a copy of another item's settings (not
    // its children); a caption and a tag.
    virtual void Constructor();
    void Constructor(const MenuItem &copyFrom);
    void Constructor(const String &caption, const PropertyValue &tag);

    const String &Name() const { return name_; }
    void SetName(String name);
    const String &Value() const { return value_; } // the caption
    void SetValue(String caption);
    const String &Text() const { return value_; }
    void SetText(String caption) { SetValue(std::move(caption)); }
    const String &Shortcut() const { return shortcut_; }
    void SetShortcut(String shortcut);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // AutoEnabled items are enabled whenever shown (this framework raises no
    // enabling event).
    bool AutoEnabled() const { return autoEnabled_; }
    void SetAutoEnabled(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    const PropertyValue &Tag() const { return tag_; }
    void SetTag(PropertyValue tag) { tag_ = std::move(tag); }

    // --- the menu operations -------------------------------------------
    void AddMenu(Ref<MenuItem> item);                  // appends as the last child
    void AddMenuAt(int64_t index, Ref<MenuItem> item); // inserts before child `index` (0-based)
    void Append(Ref<MenuItem> item) { AddMenu(std::move(item)); }
    Ref<MenuItem> Child(std::string_view name) const; // the child of that name, else nil
    Ref<MenuItem> Clone() const;                      // a deep copy, children included
    void Close();                                     // takes the item out of its menu
    int64_t Count() const { return static_cast<int64_t>(children_.size()); }
    void Enable() { SetEnabled(true); }
    int64_t Handle(int64_t type) const; // raises PlatformException: no native menus here
    void Insert(int64_t index, Ref<MenuItem> item) { AddMenuAt(index, std::move(item)); }
    Ref<MenuItem> Item(int64_t index) const; // raises OutOfBoundsException outside 0..Count-1
    int64_t LastRowIndex() const { return Count() - 1; }
    Ref<MenuItem> MenuAt(int64_t index) const { return Item(index); }
    // Shows the item's children as a pop-up menu at the mouse (or at x, y on
    // the screen) and returns the entry chosen, or nil.
    Ref<MenuItem> PopUp();
    Ref<MenuItem> PopUp(int64_t x, int64_t y);
    void Remove(int64_t index);         // raises OutOfBoundsException outside 0..Count-1
    void Remove(const MenuItem &item);  // nothing when it is no child
    void Remove(std::string_view name); // the first child of that name
    void RemoveMenuAt(int64_t index) { Remove(index); }
    void _DependencyList() const; // raises PlatformException
    void _DisableEntirely();      // disables the item and every item under it
    // The item of that name at any depth under this one (depth first), else
    // nil; with an index, the index-th (0-based) such item.
    Ref<MenuItem> _Lookup(std::string_view name) const;
    Ref<MenuItem> _Lookup(std::string_view name, int64_t index) const;
    void _SelfEnable();          // an AutoEnabled item enables itself
    void _Swap(MenuItem &other); // raises PlatformException
    void _InstallClone();        // raises PlatformException

    MenuItem *Parent() const { return parent_; }
    const std::vector<Ref<MenuItem>> &Children() const { return children_; }
    bool IsSeparator() const { return value_ == "-"; }

    // The item's own Action handler; True when it handled the command. A plain
    // item has none (its class record lists no "Action" event).
    virtual bool Event_Action();
    bool HasOwnAction() const;

private:
    void Touched();
    String name_, value_, shortcut_;
    bool visible_ = true, autoEnabled_ = true, enabled_ = true;
    PropertyValue tag_;
    MenuItem *parent_ = nullptr; // the parent holds its children
    std::vector<Ref<MenuItem>> children_;
};

// A menu bar: the item whose children are the menus shown left to right.
class MenuBar : public MenuItem {
public:
    static const ClassRecord &ClassRecordOf();
};

// The File menu's Quit entry: its own Action ends the application.
class QuitMenuItem : public MenuItem {
public:
    static const ClassRecord &ClassRecordOf();
    bool Event_Action() override;
};

// The preferences (here: About) entry of the application menu.
class PrefsMenuItem : public MenuItem {
public:
    static const ClassRecord &ClassRecordOf();
    bool Event_Action() override;
};

// The framework's standard quit: ends the application with exit code 0.
bool QuitMenuAction(MenuItem *item);
// The framework's standard preferences action: there is no preferences
// window in this framework, so it changes nothing and answers False (not
// handled).
bool PrefsMenuAction(MenuItem *item);

// Runs the command of `item` chosen with `front` as the front window (nil:
// none), in the order given at MenuItem. True when something handled it.
class Window;
bool DeliverMenuCommand(Window *front, MenuItem &item);

} // namespace fw
