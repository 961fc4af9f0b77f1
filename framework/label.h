#pragma once

#include "framework/font_control.h"
#include "framework/properties.h"

#include <cstdint>

namespace fw {

// A text label. Its text (Value) shows carriage returns as line breaks. A
// mouse press on a label that is not Selectable reaches the window's
// MouseDown.
class Label : public FontControl {
public:
    static const ClassRecord &ClassRecordOf();

    FW_PROPERTY(String, Value, {}, Text)
    const String &Text() const { return Value(); }
    void SetText(String text) { SetValue(std::move(text)); }

    // The font of the text: the same as FontName and FontSize.
    void SetTextFont(String name) { SetFontName(std::move(name)); }
    const String &TextFont() const { return FontName(); }
    void SetTextSize(float size) { SetFontSize(size); }
    float TextSize() const { return FontSize(); }

    FW_PROPERTY(bool, Multiline, false, Behaviour)    // True: long lines wrap
    FW_PROPERTY(bool, Selectable, false, Behaviour)   // True: the text can be selected and copied
    FW_PROPERTY(int64_t, TextAlignment, 0, Behaviour) // fw::TextAlignment
    FW_PROPERTY(Color, TextColor, {}, Colour)         // fourth byte: 0 opaque .. 255 clear
    FW_PROPERTY(String, DataSource, {}, Behaviour)    // stored; no database binding here
    FW_PROPERTY(String, DataField, {}, Behaviour)     // stored

protected:
    std::unique_ptr<view::ControlView> MakeView(view::WindowView &windowView) override;
};

} // namespace fw
