#pragma once

#include <memory>

#include "convert/control_wnd_fields.h"
#include "framework/canvas.h"
#include "framework/label.h"
#include "framework/line.h"
#include "framework/object.h"
#include "framework/push_button.h"
#include "framework/radio_button.h"
#include "framework/string.h"
#include "framework/text_area.h"
#include "framework/text_edit.h"
#include "framework/window.h"
#include "ui/window_class.h"

// The conversion window, the program's main window: two radio buttons choose
// the direction, the user types the dimension, a matrix and the standard
// deviations, and Calculate writes the result into the other matrix field.
// The window holds no data of its own: its 23 controls are registered under
// their names (the request keeps those it touches once it has found them) and
// the direction lives in Module1::which. Its shared instance
// is implicit::ControlWnd().
class ControlWnd : public MenuBar1Window {
public:
    static const fw::ClassRecord &ClassRecordOf();

    bool IsEventImplemented(const fw::String &eventName) override;

    // Building: the shared menu bar and the window's settings, then the
    // controls, then the menu handlers.
    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();

    // The controls, found by name, in creation order.
    fw::Ref<fw::Canvas> Canvas1();
    fw::Ref<fw::PushButton> CalcBtn();
    fw::Ref<fw::PushButton> ClearSDBtn();
    fw::Ref<fw::PushButton> InfoBtn();
    fw::Ref<fw::TextArea> corrFld();
    fw::Ref<fw::TextArea> covFld();
    fw::Ref<fw::Canvas> Canvas3();
    fw::Ref<fw::Label> Label3();
    fw::Ref<fw::TextField> dimFld();
    fw::Ref<fw::TextArea> scratchFld();
    fw::Ref<fw::Canvas> Canvas4();
    fw::Ref<fw::Canvas> Canvas5();
    fw::Ref<fw::TextArea> sdFld();
    fw::Ref<fw::Canvas> Canvas6();
    fw::Ref<fw::RadioButton> RadioButton2();
    fw::Ref<fw::RadioButton> RadioButton1();
    fw::Ref<fw::Line> Line1();
    fw::Ref<fw::Line> Line2();
    fw::Ref<fw::Line> Line3();
    fw::Ref<fw::Line> Line4();
    fw::Ref<fw::PushButton> ClearCorrBtn();
    fw::Ref<fw::PushButton> ClearCovBtn();
    fw::Ref<fw::Label> Label1();

    // The control handlers.
    void CalcBtn_Action(fw::PushButton *button);     // runs the Calculate request
    void ClearSDBtn_Action(fw::PushButton *button);  // "Clear sd"
    void InfoBtn_Action(fw::PushButton *button);     // shows the help window
    // The matrix fields show their text in "Monaco" 10 from the moment they
    // open, again at every key (never swallowed) and after every change.
    void corrFld_Open(fw::TextArea *field);
    void corrFld_TextChange(fw::TextArea *field);
    bool corrFld_KeyDown(fw::TextArea *field, fw::String key);
    void covFld_Open(fw::TextArea *field);
    void covFld_TextChange(fw::TextArea *field);
    bool covFld_KeyDown(fw::TextArea *field, fw::String key);
    void Label3_Open(fw::Label *label);
    // Lets digits, Backspace, Tab, Delete, Left and Right through; every
    // other key beeps and is swallowed.
    bool dimFld_KeyDown(fw::TextField *field, fw::String key);
    bool sdFld_KeyDown(fw::TextArea *field, fw::String key);
    void sdFld_Open(fw::TextArea *field);
    void sdFld_TextChange(fw::TextArea *field);
    void RadioButton2_Action(fw::RadioButton *button); // "Cov to Corr": direction 2
    void RadioButton1_Action(fw::RadioButton *button); // "Corr to Cov": direction 1
    void ClearCorrBtn_Action(fw::PushButton *button);
    void ClearCovBtn_Action(fw::PushButton *button);

    void AddMenuHandlers(fw::Window *window) override;
    // Closing the conversion window ends the program, exit code 0.
    void Event_Close() override;
    // The menu handlers: Quit, Window > Info, About. Each answers True.
    bool _FileQuit_Action();
    bool _InfoItem_Action();
    bool _AboutItem_Action();

private:
    // Empties the given matrix field (none for "Clear sd"), the dimension
    // and the deviations, puts the focus in the dimension field and leaves
    // no direction chosen.
    void ClearFields(fw::TextArea *matrixField);
    // The fields as the Calculate request reaches them; made on first use.
    ControlWndFields &RequestFields();
    std::unique_ptr<ControlWndFields> requestFields_;
};

// The shared instance, as for the other windows (ui/implicit_windows.h): the
// open conversion window, else a new one; and the step that shows it, which
// the program hands to the help and about windows.
namespace implicit {
fw::Ref<::ControlWnd> ControlWnd();
void ShowControlWnd();
} // namespace implicit
