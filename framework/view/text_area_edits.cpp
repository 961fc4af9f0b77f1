#include "framework/view/text_area_edits.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <string>

namespace fw::view {

namespace {

bool Followable(char c) { return (c >= ' ' && c <= '~') || c == '\t' || c == '\r'; }

bool Followable(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return Followable(c); });
}

// The document's characters as model text: each line break a CR. Nothing
// when one of them is not followable.
std::optional<std::string> ModelText(const QString &characters) {
    std::string out;
    out.reserve(static_cast<std::size_t>(characters.size()));
    for (const QChar c : characters) {
        const char16_t code = c.unicode();
        if (code == QChar::ParagraphSeparator || code == QChar::LineSeparator) {
            out.push_back('\r');
        } else if (code < 0x80 && Followable(static_cast<char>(code))) {
            out.push_back(static_cast<char>(code));
        } else {
            return std::nullopt;
        }
    }
    return out;
}

} // namespace

void TextAreaEdits::Restart(const String &text) {
    text_ = text;
    followed_ = Followable(text.view());
}

void TextAreaEdits::Change(QTextDocument &document, int position, int removed, int added) {
    if (!followed_) return;
    // Both lengths leave out the paragraph end that closes every document; a
    // change may count it in, at the very end.
    const int64_t before = static_cast<int64_t>(text_.size());
    const int64_t now = document.characterCount() - 1;
    const int64_t removedEnd = std::min<int64_t>(int64_t{position} + removed, before);
    const int64_t addedEnd = std::min<int64_t>(int64_t{position} + added, now);
    if (position < 0 || position > removedEnd || position > addedEnd ||
        before - (removedEnd - position) + (addedEnd - position) != now) {
        followed_ = false;
        return;
    }
    QTextCursor cursor(&document);
    cursor.setPosition(position);
    cursor.setPosition(static_cast<int>(addedEnd), QTextCursor::KeepAnchor);
    const std::optional<std::string> piece = ModelText(cursor.selectedText());
    if (!piece || static_cast<int64_t>(piece->size()) != addedEnd - position) {
        followed_ = false;
        return;
    }
    const std::string_view old = text_.view();
    const auto start = static_cast<std::size_t>(position);
    const auto end = static_cast<std::size_t>(removedEnd);
    if (old.substr(start, end - start) == *piece) return; // a change of format only
    if (start == old.size()) {
        text_ += *piece; // typed at the end: no copy of the text before
        return;
    }
    String edited(old.substr(0, start));
    edited += *piece;
    edited += old.substr(end);
    text_ = std::move(edited);
}

std::optional<String> TextAreaEdits::Take() const {
    if (!followed_) return std::nullopt;
    return text_;
}

} // namespace fw::view
