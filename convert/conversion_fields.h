#pragma once

#include "framework/string.h"

// The controls of the conversion window that the Calculate request touches.
enum class ConversionField { dimFld, corrFld, sdFld, covFld, scratchFld };

// The three control operations the request needs. The conversion window
// provides them on its real controls; tests provide them on plain models.
class ConversionFields {
public:
    virtual ~ConversionFields() = default;
    virtual fw::String Text(ConversionField field) = 0;
    virtual void SetText(ConversionField field, const fw::String &text) = 0;
    virtual void SetFocus(ConversionField field) = 0;
};
