#pragma once

#include "framework/control.h"
#include "framework/delegate.h"
#include "framework/menu_handlers.h"
#include "framework/menu_item.h"
#include "framework/object.h"
#include "framework/picture.h"
#include "framework/properties.h"
#include "framework/string.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

// A top-level window of the program. A program window is a subclass whose
// class record (base Window::ClassRecordOf()) lists the window events it
// handles in `events`; the framework asks IsEventImplemented before raising
// one, and then calls the virtual method of the same event.
//
// The class table, in slot order (Window::ClassRecordOf().classTable):
// AcceptFileDrop, AcceptMacDataDrop, AcceptPictureDrop, AcceptRawDataDrop,
// AcceptTextDrop, BitmapForCaching, Close, Constructor, Control, Controls,
// DrawInto, FocusNext, FocusPrevious, Hide, Invalidate, Invalidate, Maximize,
// Minimize, Operator_Convert, Refresh, RefreshRect, Restore, SetFocus, Show,
// ShowModal, ShowModalWithin, ShowWithin, TrueWindow, UpdateNow, Window,
// _AddControl, _AddMenuHandler, _ControlByName, _ControlByNameIndex,
// _DependencyList, _Move, __New.
class Window : public Object {
public:
    static const ClassRecord &ClassRecordOf();
    Window();
    ~Window() override;

    // --- the class table --------------------------------------------------
    // Drops onto windows are not supported: each raises PlatformException.
    void AcceptFileDrop(const String &fileType);
    void AcceptMacDataDrop(const String &dataType);
    void AcceptPictureDrop();
    void AcceptRawDataDrop(const String &dataType);
    void AcceptTextDrop();
    // A blank picture of the size, to draw into.
    Ref<Picture> BitmapForCaching(int64_t width, int64_t height);
    // Closes the window: raises its Close event (if implemented), ends its
    // controls and timers and removes it; its implicit instance is then gone.
    // When no other window of the program is visible afterwards, the
    // application quits with exit code 0. Closing a closed window does nothing.
    void Close();
    // Builds the window: makes its view, raises Layout, CreateControls and
    // AddMenuHandlers (each only if implemented), then every control's Open in
    // creation order, and shows the window when its settings made it Visible.
    // An exception ends the building: the half-built window is discarded and
    // the exception passes on.
    void Constructor();
    // The control at `index` in creation order; OutOfBoundsException outside.
    Ref<fw::Control> Control(int64_t index) const;
    // Every control in creation order.
    std::vector<Ref<fw::Control>> Controls() const;
    void DrawInto(Object *graphics, int64_t x, int64_t y); // PlatformException: no Graphics class here
    void FocusNext();                                      // the focus to the next control of the tab order
    void FocusPrevious();
    void Hide(); // hides the window; it stays open and keeps its contents
    void Invalidate(bool eraseBackground = true);
    void Invalidate(int64_t x, int64_t y, int64_t width, int64_t height, bool eraseBackground = true);
    void Maximize();
    void Minimize();
    void Operator_Convert(); // PlatformException
    void Refresh(bool eraseBackground = true);
    void RefreshRect(int64_t x, int64_t y, int64_t width, int64_t height, bool eraseBackground = true);
    void Restore();  // back from minimised or maximised
    void SetFocus(); // takes the focus away from every control of the window
    // Shows the window and brings it to the front. Raises RuntimeException on
    // a window that was never built or has closed.
    void Show();
    // Shows the window modal to the whole application and returns once it is
    // closed or hidden.
    void ShowModal();
    // Modal to `parent` only; PlatformException when parent is nil or closed.
    void ShowModalWithin(fw::Window *parent);
    // Shows the window in front of `parent`; PlatformException when parent is
    // nil or closed.
    void ShowWithin(fw::Window *parent);
    fw::Window *TrueWindow() { return this; }
    void UpdateNow(); // repaints at once
    void Window_();   // the class-table slot "Window": PlatformException
    // Registers `control` under `name`; the window holds it from here on.
    void _AddControl(const String &name, Ref<fw::Control> control);
    // Binds a menu handler ("(  ) as Boolean") to the item of that name: it
    // runs when the item is chosen with this window in front; True: handled.
    void _AddMenuHandler(const String &itemName, Ref<Delegate> handler);
    // The first control registered under `name`, else nil.
    Ref<fw::Control> _ControlByName(std::string_view name) const;
    // The control registered under `name` whose Index is `index`, else nil.
    Ref<fw::Control> _ControlByNameIndex(std::string_view name, int64_t index) const;
    void _DependencyList() const;          // PlatformException
    void _Move(int64_t left, int64_t top); // moves the window on the screen
    // A new object of `record`'s class, which must be a control class; its
    // creation hook has run, its constructor has not.
    Ref<Object> __New(const ClassRecord &record);

    // --- the menu bar -------------------------------------------------------
    void SetMenuBar(Ref<fw::MenuBar> menuBar);
    const Ref<fw::MenuBar> &MenuBar() const { return menuBar_; }

    // --- window events: overridden by program windows ------------------------
    // Whether the class implements the event of that name ("Layout",
    // "CreateControls", "AddMenuHandlers", "Close", "MouseDown", "KeyDown").
    // The default asks _RuntimeIsEventHandled with this class's name.
    virtual bool IsEventImplemented(const String &eventName);
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(fw::Window *window) { (void)window; }
    virtual void Event_Close() {}
    // A mouse press in the content area (also on a canvas, a line or a label
    // that is not selectable), in content coordinates.
    virtual bool Event_MouseDown(int64_t x, int64_t y) {
        (void)x;
        (void)y;
        return false;
    }
    // A key that no control took, as text (see RectControl::RaiseKeyDown).
    virtual bool Event_KeyDown(const String &key) {
        (void)key;
        return false;
    }

    // --- the window's settings (property-list keys) -----------------------
    // Width and Height are the content area's, below the menu bar.
    FW_PROPERTY(int64_t, MinimumWidth, 64, Geometry)
    FW_PROPERTY(int64_t, MinimumHeight, 64, Geometry)
    FW_PROPERTY(int64_t, MaximumWidth, 32000, Geometry)
    FW_PROPERTY(int64_t, MaximumHeight, 32000, Geometry)
    FW_PROPERTY(int64_t, Type, 0, Frame) // stored; every type is an ordinary top-level window
    FW_PROPERTY(String, Title, {}, Caption)
    FW_PROPERTY(bool, HasCloseButton, true, Frame)
    FW_PROPERTY(bool, HasMaximizeButton, true, Frame)
    FW_PROPERTY(bool, HasMinimizeButton, true, Frame)
    FW_PROPERTY(bool, HasFullScreenButton, false, Frame) // stored; no such button here
    FW_PROPERTY(bool, Resizeable, true, Geometry)        // False: the window has a fixed size
    FW_PROPERTY(bool, Composite, false, Behaviour)       // stored
    FW_PROPERTY(int64_t, MacProcID, 0, Behaviour)        // stored
    FW_PROPERTY(bool, FullScreen, false, Frame)          // True: shown full screen
    // 0: placed by the window system; any other value: centred on the screen.
    FW_PROPERTY(int64_t, DefaultLocation, 0, Behaviour)
    FW_PROPERTY(bool, HasBackgroundColor, false, Colour)
    FW_PROPERTY(Color, BackgroundColor, (Color{255, 255, 255, 0}), Colour)
    FW_PROPERTY(bool, MenuBarVisible, true, Menu)
    FW_PROPERTY(bool, LiveResize, true, Behaviour) // stored; resizing is always live

    int64_t Width() const { return width_; }
    void SetWidth(int64_t width) { Resize(width, height_); }
    int64_t Height() const { return height_; }
    void SetHeight(int64_t height) { Resize(width_, height); }
    // Visible: while the window is being built it only records whether to
    // show it at the end; afterwards it shows or hides the window.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // --- state ------------------------------------------------------------
    bool IsBuilt() const { return built_; }
    bool IsClosed() const { return closed_; }
    // Shown on the screen (built, open, Visible).
    bool IsShown() const;

    // --- framework side ----------------------------------------------------
    void BeforeChange() const;
    void Changed(Aspect aspect);
    // The content area took a new size (the user resized the window, or code
    // set Width/Height): controls follow their locks.
    void Resize(int64_t width, int64_t height);
    // Runs the handler bound to `itemName`; True when it handled the command.
    bool RunMenuHandler(std::string_view itemName) const { return menuHandlers_.Run(itemName); }
    void RaiseMouseDown(int64_t x, int64_t y);
    bool RaiseKeyDown(const String &key);
    view::WindowView *View() const { return view_.get(); }
    // Ends the window without raising Close or quitting: used when the
    // application shuts down.
    void Discard();

private:
    struct Entry {
        String name;
        Ref<fw::Control> control;
    };
    void EndWindow();
    int64_t width_ = 300, height_ = 300;
    bool visible_ = true;
    bool building_ = false, built_ = false, closing_ = false, closed_ = false;
    Ref<fw::MenuBar> menuBar_;
    std::vector<Entry> controls_;
    MenuHandlers menuHandlers_;
    std::unique_ptr<view::WindowView> view_;
};

// The open window (built and not closed) of the class of that name, else nil.
Ref<Window> _GetImplicitWindow(std::string_view className);

// The implicit instance of a window class W: the open window of W's class
// name, else a new W built by its Constructor. An accessor is then
//     static fw::Ref<AboutWnd> Instance() { return fw::ImplicitWindow<AboutWnd>(); }
template <class W> Ref<W> ImplicitWindow() {
    if (Ref<Window> open = _GetImplicitWindow(W::ClassRecordOf().name)) return Ref<W>(CheckCast<W>(open.get()));
    Ref<W> window = NewObject<W>();
    window->Constructor();
    return window;
}

// Every open window, front-most first.
std::vector<Ref<Window>> OpenWindows();
// The front-most visible window, else nil.
Ref<Window> FrontWindow();

} // namespace fw
