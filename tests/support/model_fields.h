#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "convert/conversion_fields.h"
#include "framework/presenter.h"

// One text per conversion field, indexed by the field.
class FieldTexts {
public:
    static constexpr ConversionField kAll[] = {ConversionField::dimFld, ConversionField::corrFld,
                                               ConversionField::sdFld, ConversionField::covFld,
                                               ConversionField::scratchFld};

    fw::String &operator[](ConversionField field) { return texts_[static_cast<std::size_t>(field)]; }
    const fw::String &operator[](ConversionField field) const { return texts_[static_cast<std::size_t>(field)]; }

private:
    std::array<fw::String, std::size(kAll)> texts_;
};

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
    FieldTexts texts;
};
