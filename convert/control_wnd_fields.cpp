#include "convert/control_wnd_fields.h"

#include "convert/control_wnd.h"

namespace {

fw::Ref<fw::TextArea> AreaOf(ControlWnd &window, ConversionField field) {
    switch (field) {
    case ConversionField::corrFld: return window.corrFld();
    case ConversionField::sdFld: return window.sdFld();
    case ConversionField::covFld: return window.covFld();
    case ConversionField::scratchFld: return window.scratchFld();
    case ConversionField::dimFld: break;
    }
    return nullptr;
}

} // namespace

fw::String ControlWndFields::Text(ConversionField field) {
    if (field == ConversionField::dimFld) return window_.dimFld()->Text();
    return AreaOf(window_, field)->Text();
}

void ControlWndFields::SetText(ConversionField field, const fw::String &text) {
    if (field == ConversionField::dimFld) {
        window_.dimFld()->SetText(text);
        return;
    }
    AreaOf(window_, field)->SetText(text);
}

void ControlWndFields::SetFocus(ConversionField field) {
    fw::Ref<fw::RectControl> control;
    if (field == ConversionField::dimFld)
        control = window_.dimFld();
    else
        control = AreaOf(window_, field);
    control->SetFocus();
}
