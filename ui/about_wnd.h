#pragma once

#include <cstdint>

#include "framework/canvas.h"
#include "framework/label.h"
#include "framework/object.h"
#include "framework/string.h"
#include "framework/timer.h"
#include "framework/window.h"

// The about window's timer: a plain timer under a class of its own.
class AboutWnd_Timer1 : public fw::Timer {
public:
    static const fw::ClassRecord &ClassRecordOf();
};

// The about window: the icon and the title picture over the copyright line.
// It is the first window shown. It gives way to the conversion window when
// its single-shot timer fires, 4000 ms after it was built, or at once on a
// mouse press or a key press in it. It sets no menu bar and binds no menu
// handler; its shared instance is implicit::AboutWnd().
class AboutWnd : public fw::Window {
public:
    static const fw::ClassRecord &ClassRecordOf();

    bool IsEventImplemented(const fw::String &eventName) override;

    // Building: the window's settings, then the four controls.
    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    // The controls, found by name.
    fw::Ref<fw::Label> StaticText2();
    fw::Ref<fw::Canvas> Canvas1();
    fw::Ref<fw::Canvas> Canvas3();
    fw::Ref<fw::Timer> Timer1();

    // The hand-over: hide the about window, show the conversion window. Each
    // acts on the shared instances, not on the window whose event runs.
    void Timer1_Action(fw::Timer *timer);
    bool Event_MouseDown(int64_t x, int64_t y) override;
    bool Event_KeyDown(const fw::String &key) override;
};
