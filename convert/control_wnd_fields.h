#pragma once

#include "convert/conversion_fields.h"

class ControlWnd;

// The Calculate request's view of the conversion window: the dimension
// field's text through TextField.Text, the other fields' through
// TextArea.Text, and the focus through RectControl.SetFocus. Each operation
// finds its control anew by name.
class ControlWndFields : public ConversionFields {
public:
    explicit ControlWndFields(ControlWnd &window) : window_(window) {}

    fw::String Text(ConversionField field) override;
    void SetText(ConversionField field, const fw::String &text) override;
    void SetFocus(ConversionField field) override;

private:
    ControlWnd &window_;
};
