#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "framework/control.h"
#include "framework/exceptions.h"
#include "framework/menu_item.h"
#include "framework/object.h"
#include "framework/string.h"
#include "framework/window.h"

// One of a window class's own operations: its name and signature text.
struct WindowOperation {
    const char *name;
    const char *signature;
};

// The signature text that `operations` gives the operation of that name. A
// name the table lacks stops the build.
template <std::size_t N>
consteval const char *SignatureOf(const WindowOperation (&operations)[N], std::string_view name) {
    for (const WindowOperation &operation : operations)
        if (name == operation.name) return operation.signature;
    throw "the class table has no operation of that name";
}

// A delegate for the window's own method Class::Method, bound to `window` and
// carrying the signature text its class table gives it, so that each
// handler's text is written once.
#define WINDOW_DELEGATE(window, Class, Method, operations) \
    fw::RuntimeCreateDelegate(window, &Class::Method, SignatureOf(operations, #Method))

// The accessors of the fifteen menu items, in the order a window whose menu
// bar is MenuBar1 lists them.
extern const WindowOperation kMenuItemAccessorOperations[15];

// Fills the class record of a program window: base Window; the class table
// Window's operations then the runs of `own`, in order; method records for what the class
// takes over from Window (sorted by name), then its own operations
// (`_CreateControls0` marked Hidden), then IsEventImplemented; the window
// events it handles.
void BuildWindowClass(fw::ClassRecord &record, std::function<fw::Object *()> allocate,
                      std::initializer_list<std::span<const WindowOperation>> own,
                      std::vector<fw::EventRecord> events);

// Makes a control of the record's class for the window, runs its constructor
// and registers it under `name`; the window holds it from then on.
void AddNewControl(fw::Window &window, const fw::ClassRecord &record, const fw::String &name);

// The window's control of that name, as class C.
template <class C> fw::Ref<C> WindowControl(const fw::Window &window, std::string_view name) {
    return fw::Ref<C>(fw::CheckCast<C>(window._ControlByName(name).get()));
}

// The item of that name anywhere in the window's menu bar, as class I.
template <class I> fw::Ref<I> MenuBarItem(const fw::Window &window, std::string_view name) {
    const fw::Ref<fw::MenuBar> &bar = window.MenuBar();
    if (!bar) fw::RaiseNew<fw::NilObjectException>("The window has no menu bar");
    return fw::Ref<I>(fw::CheckCast<I>(bar->_Lookup(name).get()));
}

// A program window that shows MenuBar1: the accessors of the bar's fifteen
// items, in the order of kMenuItemAccessorOperations. Nothing in the program
// calls them.
class MenuBar1Window : public fw::Window {
public:
    fw::Ref<fw::MenuItem> InfoMenu();
    fw::Ref<fw::MenuItem> InfoItem();
    fw::Ref<fw::MenuItem> ControlItem();
    fw::Ref<fw::MenuItem> EditMenu();
    fw::Ref<fw::MenuItem> EditSelectAll();
    fw::Ref<fw::MenuItem> UntitledMenu0();
    fw::Ref<fw::MenuItem> EditClear();
    fw::Ref<fw::MenuItem> EditPaste();
    fw::Ref<fw::MenuItem> EditCopy();
    fw::Ref<fw::MenuItem> EditCut();
    fw::Ref<fw::MenuItem> UntitledMenu1();
    fw::Ref<fw::MenuItem> EditUndo();
    fw::Ref<fw::MenuItem> FileMenu();
    fw::Ref<fw::PrefsMenuItem> AboutItem();
    fw::Ref<fw::QuitMenuItem> FileQuit();
};
