// The conversion window's handlers: Calculate, the direction, the Clear and
// Info buttons, the fonts of the fields, the dimension field's key filter, the
// menu items and closing the window.
#include "convert/control_wnd.h"

#include <cstdint>

#include "convert/calculate.h"
#include "convert/control_wnd_fields.h"
#include "convert/control_wnd_operations.h"
#include "convert/module1.h"
#include "framework/app_runtime.h"
#include "framework/delegate.h"
#include "framework/presenter.h"
#include "framework/text_functions.h"
#include "ui/implicit_windows.h"

namespace {

// The matrix fields show their text in the fixed-width font, so that the
// columns of a matrix line up.
void UseMatrixFont(fw::TextArea *field) {
    field->SetTextFont("Monaco");
    field->SetTextSize(10.0f);
}

} // namespace

// --- Calculate ------------------------------------------------------------------

void ControlWnd::CalcBtn_Action(fw::PushButton *) { RunCalculateRequest(RequestFields()); }

// --- direction ------------------------------------------------------------------

void ControlWnd::RadioButton1_Action(fw::RadioButton *) { Module1::which = 1; }
void ControlWnd::RadioButton2_Action(fw::RadioButton *) { Module1::which = 2; }

// --- Clear and Info -------------------------------------------------------------

void ControlWnd::ClearFields(fw::TextArea *matrixField) {
    if (matrixField) matrixField->SetText("");
    dimFld()->SetText("");
    sdFld()->SetText("");
    dimFld()->SetFocus();
    Module1::which = 0;
    RadioButton1()->SetValue(false);
    RadioButton2()->SetValue(false);
}

void ControlWnd::ClearCorrBtn_Action(fw::PushButton *) { ClearFields(corrFld().get()); }
void ControlWnd::ClearCovBtn_Action(fw::PushButton *) { ClearFields(covFld().get()); }
void ControlWnd::ClearSDBtn_Action(fw::PushButton *) { ClearFields(nullptr); }

void ControlWnd::InfoBtn_Action(fw::PushButton *) { implicit::ShowhelpWnd(); }

// --- fonts ----------------------------------------------------------------------

void ControlWnd::corrFld_Open(fw::TextArea *field) { UseMatrixFont(field); }
void ControlWnd::corrFld_TextChange(fw::TextArea *field) { UseMatrixFont(field); }
bool ControlWnd::corrFld_KeyDown(fw::TextArea *field, fw::String) {
    UseMatrixFont(field);
    return false;
}

void ControlWnd::covFld_Open(fw::TextArea *field) { UseMatrixFont(field); }
void ControlWnd::covFld_TextChange(fw::TextArea *field) { UseMatrixFont(field); }
bool ControlWnd::covFld_KeyDown(fw::TextArea *field, fw::String) {
    UseMatrixFont(field);
    return false;
}

void ControlWnd::sdFld_Open(fw::TextArea *field) { UseMatrixFont(field); }
void ControlWnd::sdFld_TextChange(fw::TextArea *field) { UseMatrixFont(field); }
bool ControlWnd::sdFld_KeyDown(fw::TextArea *field, fw::String) {
    UseMatrixFont(field);
    return false;
}

void ControlWnd::Label3_Open(fw::Label *label) { label->SetTextFont("System"); }

// --- the dimension field's key filter -------------------------------------------

bool ControlWnd::dimFld_KeyDown(fw::TextField *, fw::String key) {
    const int64_t code = fw::Asc(key);
    const bool digit = 47 < code && code < 58;
    // Backspace, Tab, forward Delete, Left and Right.
    const bool editing = code == 8 || code == 9 || code == 127 || code == 28 || code == 29;
    if (digit || editing) return false;
    fw::Beep();
    return true;
}

// --- menus and closing ----------------------------------------------------------

void ControlWnd::AddMenuHandlers(fw::Window *window) {
    ControlWnd *self = fw::CheckCast<ControlWnd>(window);
    using control_wnd_operations::kAfterMenuItems;
    self->_AddMenuHandler("FileQuit", WINDOW_DELEGATE(*self, ControlWnd, _FileQuit_Action, kAfterMenuItems));
    self->_AddMenuHandler("InfoItem", WINDOW_DELEGATE(*self, ControlWnd, _InfoItem_Action, kAfterMenuItems));
    self->_AddMenuHandler("AboutItem", WINDOW_DELEGATE(*self, ControlWnd, _AboutItem_Action, kAfterMenuItems));
}

void ControlWnd::Event_Close() { fw::Quit(0); }

bool ControlWnd::_FileQuit_Action() {
    fw::Quit(0);
    return true;
}

bool ControlWnd::_InfoItem_Action() {
    implicit::ShowhelpWnd();
    return true;
}

bool ControlWnd::_AboutItem_Action() {
    implicit::ShowAboutWnd();
    return true;
}
