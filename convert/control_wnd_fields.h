#pragma once

#include "convert/conversion_fields.h"
#include "framework/object.h"
#include "framework/text_area.h"
#include "framework/text_edit.h"

class ControlWnd;

// The Calculate request's view of the conversion window: the dimension
// field's text through TextField.Text, the other fields' through
// TextArea.Text, and the focus through RectControl.SetFocus. Each control is
// found through the window's accessor the first time the request reaches for
// it and kept from then on: the request reads and writes its buffer some
// 20,000 times, and a window's controls never change once it is built.
class ControlWndFields : public ConversionFields {
public:
    explicit ControlWndFields(ControlWnd &window) : window_(window) {}

    fw::String Text(ConversionField field) override;
    void SetText(ConversionField field, const fw::String &text) override;
    void SetFocus(ConversionField field) override;

private:
    fw::TextEdit &Control(ConversionField field);

    ControlWnd &window_;
    fw::Ref<fw::TextField> dimFld_;
    fw::Ref<fw::TextArea> corrFld_, sdFld_, covFld_, scratchFld_;
};
