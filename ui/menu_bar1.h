#pragma once

#include "framework/menu_item.h"
#include "framework/object.h"

// The application's one menu bar: File, Edit and Window. The shared instance
// (implicit::MenuBar1(), ui/implicit_windows.h) is built once, on its first
// request, and serves the application and every window that shows a bar.
class MenuBar1 : public fw::MenuBar {
public:
    static const fw::ClassRecord &ClassRecordOf();

    // Builds the three menus, each through its own virtual step.
    using fw::MenuBar::Constructor;
    void Constructor() override;
    virtual void Untitled0(); // File: Quit, About
    virtual void Untitled1(); // Edit: Undo, Cut, Copy, Paste, Delete, Select All
    virtual void Untitled2(); // Window: Control, Info

    // The shared instance once it is built; empty until then, and after a
    // build that raised.
    static fw::Ref<MenuBar1> &_implicitInstance();
    // Its initialiser: the variable starts empty, so there is nothing to set.
    static void _implicitInstance_Init();
};
