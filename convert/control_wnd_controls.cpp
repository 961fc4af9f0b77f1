// The conversion window's controls: making them, wiring their events, and
// finding them again by name.
#include "convert/control_wnd.h"

#include <string_view>

#include "convert/control_wnd_lists.h"
#include "convert/control_wnd_operations.h"
#include "framework/control.h"
#include "framework/delegate.h"
#include "framework/exceptions.h"
#include "framework/properties.h"
#include "ui/pictures.h"
#include "ui/window_class.h"

namespace {

using RecordOf = const fw::ClassRecord &(*)();
using PictureOf = fw::Ref<fw::Picture> (*)();
using MakeHandler = fw::Ref<fw::Delegate> (*)(ControlWnd &);

struct ControlRow {
    const char *name;
    RecordOf record;
    PictureOf picture; // canvases only
};

// Creation order.
const ControlRow kControls[] = {
    {"Canvas1", &fw::Canvas::ClassRecordOf, &pictures::TD270},
    {"CalcBtn", &fw::PushButton::ClassRecordOf, nullptr},
    {"ClearSDBtn", &fw::PushButton::ClassRecordOf, nullptr},
    {"InfoBtn", &fw::PushButton::ClassRecordOf, nullptr},
    {"corrFld", &fw::TextArea::ClassRecordOf, nullptr},
    {"covFld", &fw::TextArea::ClassRecordOf, nullptr},
    {"Canvas3", &fw::Canvas::ClassRecordOf, &pictures::icon75},
    {"Label3", &fw::Label::ClassRecordOf, nullptr},
    {"dimFld", &fw::TextField::ClassRecordOf, nullptr},
    {"scratchFld", &fw::TextArea::ClassRecordOf, nullptr},
    {"Canvas4", &fw::Canvas::ClassRecordOf, &pictures::corrM},
    {"Canvas5", &fw::Canvas::ClassRecordOf, &pictures::covM},
    {"sdFld", &fw::TextArea::ClassRecordOf, nullptr},
    {"Canvas6", &fw::Canvas::ClassRecordOf, &pictures::sd},
    {"RadioButton2", &fw::RadioButton::ClassRecordOf, nullptr},
    {"RadioButton1", &fw::RadioButton::ClassRecordOf, nullptr},
    {"Line1", &fw::Line::ClassRecordOf, nullptr},
    {"Line2", &fw::Line::ClassRecordOf, nullptr},
    {"Line3", &fw::Line::ClassRecordOf, nullptr},
    {"Line4", &fw::Line::ClassRecordOf, nullptr},
    {"ClearCorrBtn", &fw::PushButton::ClassRecordOf, nullptr},
    {"ClearCovBtn", &fw::PushButton::ClassRecordOf, nullptr},
    {"Label1", &fw::Label::ClassRecordOf, nullptr},
};

struct BindingRow {
    const char *control;
    int event;
    MakeHandler handler;
};

// Each handler is the window's own method, bound to the window and carrying
// the signature text of its class-table entry.
#define HANDLER(Method) \
    [](ControlWnd &w) { return WINDOW_DELEGATE(w, ControlWnd, Method, control_wnd_operations::kBeforeMenuItems); }

// In the order they are made.
const BindingRow kBindings[] = {
    {"CalcBtn", fw::EventNumber::Action, HANDLER(CalcBtn_Action)},
    {"ClearSDBtn", fw::EventNumber::Action, HANDLER(ClearSDBtn_Action)},
    {"InfoBtn", fw::EventNumber::Action, HANDLER(InfoBtn_Action)},
    {"corrFld", fw::EventNumber::Open, HANDLER(corrFld_Open)},
    {"corrFld", fw::EventNumber::TextChange, HANDLER(corrFld_TextChange)},
    {"corrFld", fw::EventNumber::KeyDown, HANDLER(corrFld_KeyDown)},
    {"covFld", fw::EventNumber::Open, HANDLER(covFld_Open)},
    {"covFld", fw::EventNumber::TextChange, HANDLER(covFld_TextChange)},
    {"covFld", fw::EventNumber::KeyDown, HANDLER(covFld_KeyDown)},
    {"Label3", fw::EventNumber::Open, HANDLER(Label3_Open)},
    {"dimFld", fw::EventNumber::KeyDown, HANDLER(dimFld_KeyDown)},
    {"sdFld", fw::EventNumber::KeyDown, HANDLER(sdFld_KeyDown)},
    {"sdFld", fw::EventNumber::Open, HANDLER(sdFld_Open)},
    {"sdFld", fw::EventNumber::TextChange, HANDLER(sdFld_TextChange)},
    {"RadioButton2", fw::EventNumber::Action, HANDLER(RadioButton2_Action)},
    {"RadioButton1", fw::EventNumber::Action, HANDLER(RadioButton1_Action)},
    {"ClearCorrBtn", fw::EventNumber::Action, HANDLER(ClearCorrBtn_Action)},
    {"ClearCovBtn", fw::EventNumber::Action, HANDLER(ClearCovBtn_Action)},
};

#undef HANDLER

} // namespace

void ControlWnd::_CreateControls0() {
    for (const ControlRow &row : kControls) {
        const fw::ClassRecord &record = row.record();
        AddNewControl(*this, record, row.name);

        fw::Object *control = fw::RuntimeCheckCast(_ControlByName(row.name).get(), record);
        if (row.picture) {
            fw::CheckCast<fw::Canvas>(control)->SetBackdrop(row.picture());
            control = fw::RuntimeCheckCast(_ControlByName(row.name).get(), record);
        }
        fw::_SetProperties(*control, control_wnd_lists::Control(row.name));

        for (const BindingRow &binding : kBindings) {
            if (std::string_view(binding.control) != row.name) continue;
            fw::Object *target = fw::RuntimeCheckCast(_ControlByName(row.name).get(), record);
            fw::RuntimeAddEventHandler(target, binding.event, binding.handler(*this));
        }
    }
}

// --- the control accessors ------------------------------------------------------

fw::Ref<fw::Canvas> ControlWnd::Canvas1() { return WindowControl<fw::Canvas>(*this, "Canvas1"); }
fw::Ref<fw::PushButton> ControlWnd::CalcBtn() { return WindowControl<fw::PushButton>(*this, "CalcBtn"); }
fw::Ref<fw::PushButton> ControlWnd::ClearSDBtn() { return WindowControl<fw::PushButton>(*this, "ClearSDBtn"); }
fw::Ref<fw::PushButton> ControlWnd::InfoBtn() { return WindowControl<fw::PushButton>(*this, "InfoBtn"); }
fw::Ref<fw::TextArea> ControlWnd::corrFld() { return WindowControl<fw::TextArea>(*this, "corrFld"); }
fw::Ref<fw::TextArea> ControlWnd::covFld() { return WindowControl<fw::TextArea>(*this, "covFld"); }
fw::Ref<fw::Canvas> ControlWnd::Canvas3() { return WindowControl<fw::Canvas>(*this, "Canvas3"); }
fw::Ref<fw::Label> ControlWnd::Label3() { return WindowControl<fw::Label>(*this, "Label3"); }
fw::Ref<fw::TextField> ControlWnd::dimFld() { return WindowControl<fw::TextField>(*this, "dimFld"); }
fw::Ref<fw::TextArea> ControlWnd::scratchFld() { return WindowControl<fw::TextArea>(*this, "scratchFld"); }
fw::Ref<fw::Canvas> ControlWnd::Canvas4() { return WindowControl<fw::Canvas>(*this, "Canvas4"); }
fw::Ref<fw::Canvas> ControlWnd::Canvas5() { return WindowControl<fw::Canvas>(*this, "Canvas5"); }
fw::Ref<fw::TextArea> ControlWnd::sdFld() { return WindowControl<fw::TextArea>(*this, "sdFld"); }
fw::Ref<fw::Canvas> ControlWnd::Canvas6() { return WindowControl<fw::Canvas>(*this, "Canvas6"); }
fw::Ref<fw::RadioButton> ControlWnd::RadioButton2() { return WindowControl<fw::RadioButton>(*this, "RadioButton2"); }
fw::Ref<fw::RadioButton> ControlWnd::RadioButton1() { return WindowControl<fw::RadioButton>(*this, "RadioButton1"); }
fw::Ref<fw::Line> ControlWnd::Line1() { return WindowControl<fw::Line>(*this, "Line1"); }
fw::Ref<fw::Line> ControlWnd::Line2() { return WindowControl<fw::Line>(*this, "Line2"); }
fw::Ref<fw::Line> ControlWnd::Line3() { return WindowControl<fw::Line>(*this, "Line3"); }
fw::Ref<fw::Line> ControlWnd::Line4() { return WindowControl<fw::Line>(*this, "Line4"); }
fw::Ref<fw::PushButton> ControlWnd::ClearCorrBtn() { return WindowControl<fw::PushButton>(*this, "ClearCorrBtn"); }
fw::Ref<fw::PushButton> ControlWnd::ClearCovBtn() { return WindowControl<fw::PushButton>(*this, "ClearCovBtn"); }
fw::Ref<fw::Label> ControlWnd::Label1() { return WindowControl<fw::Label>(*this, "Label1"); }
