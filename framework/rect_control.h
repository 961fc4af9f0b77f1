#pragma once

#include "framework/control.h"

#include <cstdint>

namespace fw {

// A control with a rectangle of its own in its window: every control but
// lines and timers. Position and size are in pixels from the top left corner
// of the window's content area.
class RectControl : public Control {
public:
    static const ClassRecord &ClassRecordOf();

    FW_PROPERTY(int64_t, Left, 0, Geometry)
    FW_PROPERTY(int64_t, Top, 0, Geometry)
    FW_PROPERTY(int64_t, Width, 80, Geometry)
    FW_PROPERTY(int64_t, Height, 22, Geometry)
    // Locks: an edge locked to the window keeps its distance to that window
    // edge when the window is resized. Left and right both locked: the width
    // follows; right only: the control moves. Likewise top and bottom.
    FW_PROPERTY(bool, LockLeft, true, Geometry)
    FW_PROPERTY(bool, LockTop, true, Geometry)
    FW_PROPERTY(bool, LockRight, false, Geometry)
    FW_PROPERTY(bool, LockBottom, false, Geometry)
    // Tab order: focusable controls are visited by rising TabIndex (ties in
    // creation order). TabStop False leaves a control out of the Tab key's
    // round; it still takes the focus when clicked.
    FW_PROPERTY(int64_t, TabIndex, 0, TabOrder)
    FW_PROPERTY(bool, TabStop, true, TabOrder)
    FW_PROPERTY(bool, AllowAutoDeactivate, true, Behaviour) // stored
    FW_PROPERTY(bool, Enabled, true, Enabled)
    FW_PROPERTY(String, Tooltip, {}, Behaviour)

    // Keyboard focus to the control; also tells the presenter (FocusMoved with
    // the control's name), so tests can follow the focus.
    void SetFocus();

    // Raises KeyDown (event 9) with the key as text: Backspace 8, Tab 9,
    // Return 13, Enter 3, Escape 27, Left 28, Right 29, Up 30, Down 31,
    // forward Delete 127, else the key's own text. True: swallow the key.
    // Keys held with Ctrl or Alt are commands for the menus and raise nothing.
    bool RaiseKeyDown(const String &key);

    // Moves by the change of the window's content size, as the locks say.
    void FollowWindowResize(int64_t dx, int64_t dy);
};

} // namespace fw
