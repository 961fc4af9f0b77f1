#pragma once

#include "framework/delegate.h"
#include "framework/object.h"
#include "framework/string.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

class Window;

namespace view {
class ControlView;
class WindowView;
} // namespace view

// The numbers by which handlers are bound to control events
// (RuntimeAddEventHandler) and by which a control raises them.
namespace EventNumber {
inline constexpr int TimerAction = 0; // Timer.Action: the period has run; handler takes the timer
inline constexpr int Open = 2;        // Control.Open: once, after the window has built and bound it
inline constexpr int KeyDown = 9;     // RectControl.KeyDown: the key as text; True swallows it
inline constexpr int Action = 15;     // PushButton/RadioButton.Action: clicked or chosen by the user
inline constexpr int TextChange = 21; // TextArea.TextChange: the text changed
} // namespace EventNumber

// The part of a control's (or window's) look that a property change touches.
// The view brings only that part up to date.
enum class Aspect {
    Geometry, // position and size
    Visibility,
    Enabled,
    Caption, // button captions, window title
    Text,    // the text of a label, field or area
    Font,
    Colour,    // text and background colours
    Frame,     // borders, scroll bars, window buttons and kind
    Behaviour, // read-only, limits, masks, tabs, alignment, tooltip, focus
    Value,     // radio-button selection
    Style,     // styled runs of a text area
    Backdrop,  // a canvas's picture
    TabOrder,
    Timing, // a timer's period and mode
    Menu,   // a window's menu bar
    All,
};

// Declares a stored property with a getter `Name()` and a setter
// `SetName(value)` that stores the value and has the view show it.
#define FW_PROPERTY(Type, Name, Default, AspectName)                                                                   \
public:                                                                                                                \
    const Type &Name() const { return Name##_; }                                                                       \
    void Set##Name(Type value) {                                                                                       \
        BeforeChange();                                                                                                \
        Name##_ = std::move(value);                                                                                    \
        Changed(::fw::Aspect::AspectName);                                                                             \
    }                                                                                                                  \
                                                                                                                       \
private:                                                                                                               \
    Type Name##_ = Default;                                                                                            \
                                                                                                                       \
public:

// The base of every control of a window: labels, buttons, fields, canvases,
// lines and timers. A control belongs to the window that registered it with
// Window::_AddControl; the window ends it when the window closes.
class Control : public Object {
public:
    static const ClassRecord &ClassRecordOf();
    Control();
    ~Control() override;

    // The constructor without arguments, run after the object is made. The
    // defaults of every property are already in place; it sets nothing else.
    virtual void Constructor();

    FW_PROPERTY(String, Name, {}, Behaviour)
    FW_PROPERTY(int64_t, Index, -2147483648LL, Behaviour) // control-array index; the lowest 32-bit value when none
    FW_PROPERTY(int64_t, TabPanelIndex, 0, Behaviour)     // stored; this framework has no tab panels
    FW_PROPERTY(bool, Transparent, true, Behaviour)       // stored; controls here always draw over the window
    FW_PROPERTY(bool, Visible, true, Visibility)
    FW_PROPERTY(String, InitialParent, {}, Behaviour) // stored; every control sits on its window

    // The window that holds the control; nil before _AddControl and after the
    // window has closed.
    fw::Window *OwnerWindow() const;
    // True once the window that held the control has closed: the control no
    // longer shows anything and raises no events.
    bool Ended() const { return ended_; }

    // Binds a handler to an event number; every handler bound to a number runs
    // when the control raises that event, in the order bound.
    void AddEventHandler(int eventNumber, Ref<Delegate> handler);
    bool HasEventHandler(int eventNumber) const;
    // Raises an event: runs every handler bound to its number with this control
    // as the sender. The result is True when a handler returned True (KeyDown:
    // swallow the key). A handler's exception passes on to the caller.
    bool RaiseEvent(int eventNumber, EventArgs args = {});

    // --- framework side -------------------------------------------------
    // Raises before anything changes when called off the main thread while the
    // control is on the screen.
    void BeforeChange() const;
    // Has the view show what changed; nothing while there is no view.
    void Changed(Aspect aspect);
    // Called by the window: the control joins it, gets its view, ends with it.
    void AttachTo(fw::Window &window);
    void CreateView(view::WindowView &windowView);
    virtual void EndWithWindow();
    view::ControlView *View() const { return view_.get(); }

protected:
    // Makes the Qt view of this kind of control; null for none.
    virtual std::unique_ptr<view::ControlView> MakeView(view::WindowView &windowView);
    void SetView(std::unique_ptr<view::ControlView> view);

private:
    struct Binding {
        int number;
        Ref<Delegate> handler;
    };
    WeakRef<fw::Window> window_;
    std::unique_ptr<view::ControlView> view_;
    std::vector<Binding> bindings_;
    bool ended_ = false;
};

// Binds `handler` to event `eventNumber` of `control` (a Control); raises
// NilObjectException for a nil control or handler and IllegalCastException for
// an object that is no control.
void RuntimeAddEventHandler(Object *control, int eventNumber, const Ref<Delegate> &handler);

} // namespace fw
