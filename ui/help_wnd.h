#pragma once

#include "framework/object.h"
#include "framework/string.h"
#include "framework/text_area.h"
#include "framework/window.h"
#include "ui/window_class.h"

// The Info window: the help text in one editable text area that fills the
// window, its title line in bold. It shows the shared menu bar and handles
// Window > Control, which brings the conversion window forward. Its shared
// instance is implicit::helpWnd(); what the user types in it lives as long
// as the window.
class helpWnd : public MenuBar1Window {
public:
    static const fw::ClassRecord &ClassRecordOf();

    bool IsEventImplemented(const fw::String &eventName) override;

    // Building: the menu bar and the window's settings, then the text area,
    // then the menu handler.
    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();
    void AddMenuHandlers(fw::Window *window) override;

    fw::Ref<fw::TextArea> EditField1();
    // The text area opened: its title line and the CR after it turn bold.
    void EditField1_Open(fw::TextArea *area);

    // Window > Control: shows the conversion window; True, handled.
    bool _ControlItem_Action();
};
