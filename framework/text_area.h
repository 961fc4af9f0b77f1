#pragma once

#include "framework/text_edit.h"

#include <cstdint>
#include <vector>

namespace fw {

class TextArea;

// The styled runs of a text area's text. Positions and lengths count
// characters of the text (a CR counts as one).
class StyledText : public Object {
public:
    static const ClassRecord &ClassRecordOf();

    // Makes the characters start .. start+length-1 bold (or not bold). The
    // range is clipped to the text; the text's other characters keep their
    // style. Setting the area's Text anew clears every run.
    void Bold(int64_t start, int64_t length, bool value);

    struct Run {
        int64_t start;
        int64_t length;
        bool bold;
    };
    const std::vector<Run> &Runs() const { return runs_; }
    // Whether the character at `position` is bold.
    bool IsBold(int64_t position) const;

    // --- framework side
    void AttachTo(TextArea &area);
    void Clear() { runs_.clear(); }

private:
    WeakRef<TextArea> area_;
    std::vector<Run> runs_;
};

// A multi-line text area. Its widget is brought up to date lazily: setting
// Text stores the text and costs nothing more while the area is hidden; a
// visible area shows the new text once the event loop runs (or at once when
// the user reaches for it).
class TextArea : public TextEdit {
public:
    static const ClassRecord &ClassRecordOf();
    TextArea();

    // The styled runs of the text; never nil. StyledText() is the same.
    fw::StyledText *GetStyledText();
    fw::StyledText *StyledText() { return GetStyledText(); }

    FW_PROPERTY(bool, HideSelection, true, Behaviour)       // stored
    FW_PROPERTY(double, LineHeight, 0.0, Behaviour)         // stored
    FW_PROPERTY(double, LineSpacing, 1.0, Behaviour)        // stored
    FW_PROPERTY(bool, Multiline, true, Behaviour)           // stored; a text area always holds lines
    FW_PROPERTY(bool, HasHorizontalScrollbar, false, Frame) // False: long lines wrap
    FW_PROPERTY(bool, HasVerticalScrollbar, true, Frame)
    FW_PROPERTY(bool, AllowStyledText, true, Behaviour) // stored; pasted text always arrives plain

    // --- framework side: the styled runs changed
    void StyleChanged() { Changed(Aspect::Style); }

protected:
    std::unique_ptr<view::ControlView> MakeView(view::WindowView &windowView) override;
    void TextReplaced() override;

private:
    Ref<fw::StyledText> styled_;
};

} // namespace fw
