#include "convert/control_wnd_fields.h"

#include "convert/control_wnd.h"

namespace {

// The kept control, found through its accessor on first use.
template <class C> C &Kept(fw::Ref<C> &kept, ControlWnd &window, fw::Ref<C> (ControlWnd::*accessor)()) {
    if (!kept) kept = (window.*accessor)();
    return *kept;
}

} // namespace

fw::TextEdit &ControlWndFields::Control(ConversionField field) {
    switch (field) {
    case ConversionField::dimFld:
        return Kept(dimFld_, window_, &ControlWnd::dimFld);
    case ConversionField::corrFld:
        return Kept(corrFld_, window_, &ControlWnd::corrFld);
    case ConversionField::sdFld:
        return Kept(sdFld_, window_, &ControlWnd::sdFld);
    case ConversionField::covFld:
        return Kept(covFld_, window_, &ControlWnd::covFld);
    case ConversionField::scratchFld:
        break;
    }
    return Kept(scratchFld_, window_, &ControlWnd::scratchFld);
}

fw::String ControlWndFields::Text(ConversionField field) { return Control(field).Text(); }

void ControlWndFields::SetText(ConversionField field, const fw::String &text) { Control(field).SetText(text); }

void ControlWndFields::SetFocus(ConversionField field) { Control(field).SetFocus(); }

ControlWndFields &ControlWnd::RequestFields() {
    if (!requestFields_) requestFields_ = std::make_unique<ControlWndFields>(*this);
    return *requestFields_;
}
