#pragma once

#include <map>
#include <string>

#include "convert/conversion_fields.h"
#include "framework/presenter.h"

// The conversion window's fields as plain text models; focus changes go to
// the presenter as the real controls report them.
class ModelFields : public ConversionFields {
public:
    fw::String Text(ConversionField field) override { return texts[field]; }
    void SetText(ConversionField field, const fw::String &text) override { texts[field] = text; }
    void SetFocus(ConversionField field) override { fw::CurrentPresenter().FocusMoved(Name(field)); }

    static const char *Name(ConversionField field) {
        switch (field) {
        case ConversionField::dimFld: return "dimFld";
        case ConversionField::corrFld: return "corrFld";
        case ConversionField::sdFld: return "sdFld";
        case ConversionField::covFld: return "covFld";
        case ConversionField::scratchFld: return "scratchFld";
        }
        return "?";
    }

    std::string Get(ConversionField field) { return texts[field].str(); }
    std::map<ConversionField, fw::String> texts;
};
