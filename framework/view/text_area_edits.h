#pragma once

#include "framework/string.h"

#include <optional>

class QTextDocument;

namespace fw::view {

// Follows the user's edits of a text area's document as edits of the model
// text, so that a key typed into a long text costs what the key costs, not a
// copy of the whole text. It follows text whose every character is one byte
// in the model and one position in the document, with CR for each line
// break: printable ASCII, tabs and line ends, which is what matrix text is.
// For any other text it gives up until the next Restart, and the view reads
// the document back whole.
class TextAreaEdits {
public:
    // The document now shows `text`, the model text.
    void Restart(const String &text);
    // The document and the model text no longer match position for position.
    void Lose() { followed_ = false; }
    // The document changed at `position`: `removed` characters of the text
    // before gave way to `added` characters of the text now.
    void Change(QTextDocument &document, int position, int removed, int added);
    // The model text with the edits since Restart, or nothing when they
    // could not be followed.
    std::optional<String> Take() const;

private:
    String text_;
    bool followed_ = false;
};

} // namespace fw::view
