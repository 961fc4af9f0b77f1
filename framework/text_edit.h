#pragma once

#include "framework/font_control.h"
#include "framework/properties.h"

#include <cstdint>

namespace fw {

// What text fields and text areas share. The text lives in the control as a
// String with carriage returns as its only line ends: text the user types or
// pastes reads back with every line break (LF, CR LF, U+2028, U+2029) as CR;
// text set in code reads back exactly as it was set.
//
// TextChange (event 21) is raised whenever the text changes: by typing,
// pasting, the Edit menu, or setting Text to a different text. KeyDown
// (event 9) is raised for each key pressed while the control has the focus,
// before the control handles it; True swallows the key.
class TextEdit : public FontControl {
public:
    static const ClassRecord &ClassRecordOf();

    // The whole text (property key Value).
    const String &Text() const { return text_; }
    void SetText(String text);
    const String &Value() const { return text_; }
    void SetValue(String text) { SetText(std::move(text)); }

    // The font of the whole text: the same as FontName and FontSize. Raises
    // no TextChange.
    void SetTextFont(String name) { SetFontName(std::move(name)); }
    const String &TextFont() const { return FontName(); }
    void SetTextSize(float size) { SetFontSize(size); }
    float TextSize() const { return FontSize(); }

    FW_PROPERTY(Color, BackgroundColor, (Color{255, 255, 255, 0}), Colour)
    FW_PROPERTY(Color, TextColor, {}, Colour) // fourth byte: 0 opaque .. 255 clear
    FW_PROPERTY(bool, HasBorder, true, Frame)
    FW_PROPERTY(String, Format, {}, Behaviour)         // stored; the text is shown as it is
    FW_PROPERTY(bool, AllowFocusRing, true, Behaviour) // stored
    // Tab key: True types a tab character; False moves the focus on.
    // (A text field always moves the focus.)
    FW_PROPERTY(bool, AllowTabs, false, Behaviour)
    FW_PROPERTY(int64_t, TextAlignment, 0, Behaviour)      // fw::TextAlignment
    FW_PROPERTY(bool, AllowSpellChecking, true, Behaviour) // stored; no spell checker here
    // The most characters the user can bring in by typing or pasting; 0 for no
    // limit. Text set in code is kept whole.
    FW_PROPERTY(int64_t, MaximumCharactersAllowed, 0, Behaviour)
    // An input mask for what the user types or pastes: '#' stands for one
    // digit 0-9, any other character for itself; the text may stop short of
    // the mask's end ("###": up to three digits). Empty: no mask.
    FW_PROPERTY(String, ValidationMask, {}, Behaviour)
    FW_PROPERTY(bool, ReadOnly, false, Behaviour)
    FW_PROPERTY(String, DataSource, {}, Behaviour) // stored; no database binding here
    FW_PROPERTY(String, DataField, {}, Behaviour)  // stored

    // --- framework side -------------------------------------------------
    // The user changed the text in the widget: store it (line ends made CR)
    // and raise TextChange.
    void UserChangedText(String text);
    // The same for a text whose line ends are already CR and which differs
    // from Text(): the widget worked out the user's edit itself.
    void UserEditedText(String text);

protected:
    // The text was replaced in code (not by the user).
    virtual void TextReplaced() {}
    String text_;
};

// Whether `text` (UTF-8) may stand in a field with this mask and limit.
bool TextFitsMask(std::string_view text, std::string_view mask, int64_t maximumCharacters);
// Every line break (CR LF, LF, U+2028, U+2029, CR) as one CR.
String NormaliseLineEnds(std::string_view text);

// A single-line text field.
class TextField : public TextEdit {
public:
    static const ClassRecord &ClassRecordOf();

    FW_PROPERTY(bool, Password, false, Behaviour) // shows bullets instead of the text
    FW_PROPERTY(String, Hint, {}, Behaviour)      // shown greyed while the field is empty

protected:
    std::unique_ptr<view::ControlView> MakeView(view::WindowView &windowView) override;
};

} // namespace fw
