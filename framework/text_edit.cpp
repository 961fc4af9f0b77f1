#include "framework/text_edit.h"

#include "framework/property_decl.h"
#include "framework/utf8.h"
#include "framework/view/control_views.h"

namespace fw {

namespace {

void BuildTextEdit(ClassRecord &r) {
    r.base = &FontControl::ClassRecordOf();
    r.allocate = Allocator<TextEdit>();
    r.classTable = r.base->classTable;
    r.properties = {FW_DECL(String, TextEdit, Value),
                    FW_DECL(Color, TextEdit, BackgroundColor),
                    FW_DECL(Color, TextEdit, TextColor),
                    FW_DECL(Boolean, TextEdit, HasBorder),
                    FW_DECL(String, TextEdit, Format),
                    FW_DECL(Boolean, TextEdit, AllowFocusRing),
                    FW_DECL(Boolean, TextEdit, AllowTabs),
                    FW_DECL(Integer, TextEdit, TextAlignment),
                    FW_DECL(Boolean, TextEdit, AllowSpellChecking),
                    FW_DECL(Integer, TextEdit, MaximumCharactersAllowed),
                    FW_DECL(String, TextEdit, ValidationMask),
                    FW_DECL(Boolean, TextEdit, ReadOnly),
                    FW_DECL(String, TextEdit, DataSource),
                    FW_DECL(String, TextEdit, DataField)};
}

void BuildTextField(ClassRecord &r) {
    r.base = &TextEdit::ClassRecordOf();
    r.allocate = Allocator<TextField>();
    r.classTable = r.base->classTable;
    r.properties = {FW_DECL(Boolean, TextField, Password), FW_DECL(String, TextField, Hint)};
}

} // namespace

const ClassRecord &TextEdit::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("TextEdit", BuildTextEdit);
    return r;
}

const ClassRecord &TextField::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("TextField", BuildTextField);
    return r;
}

void TextEdit::SetText(String text) {
    BeforeChange();
    if (text == text_) return;
    text_ = std::move(text);
    TextReplaced();
    Changed(Aspect::Text);
    RaiseEvent(EventNumber::TextChange);
}

void TextEdit::UserChangedText(String text) {
    String normalised = NormaliseLineEnds(text.view());
    if (normalised == text_) return;
    UserEditedText(std::move(normalised));
}

void TextEdit::UserEditedText(String text) {
    if (Ended()) return;
    Ref<TextEdit> self(this);
    text_ = std::move(text);
    RaiseEvent(EventNumber::TextChange);
}

String NormaliseLineEnds(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\r') {
            out.push_back('\r');
            if (i + 1 < s.size() && s[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out.push_back('\r');
        } else if (c == '\xE2' && i + 2 < s.size() && s[i + 1] == '\x80' &&
                   (s[i + 2] == '\xA8' || s[i + 2] == '\xA9')) {
            out.push_back('\r');
            i += 2;
        } else {
            out.push_back(c);
        }
    }
    return String(out);
}

bool TextFitsMask(std::string_view text, std::string_view mask, int64_t maximumCharacters) {
    int64_t count = 0;
    std::size_t m = 0;
    for (std::size_t at = 0; at < text.size();) {
        const utf8::Char c = utf8::DecodeFirst(text.substr(at));
        at += c.length;
        ++count;
        if (maximumCharacters > 0 && count > maximumCharacters) return false;
        if (!mask.empty()) {
            if (m >= mask.size()) return false;
            const utf8::Char want = utf8::DecodeFirst(mask.substr(m));
            m += want.length;
            if (want.code == U'#' ? !(c.code >= U'0' && c.code <= U'9') : c.code != want.code) return false;
        }
    }
    return true;
}

std::unique_ptr<view::ControlView> TextField::MakeView(view::WindowView &w) {
    return view::MakeTextFieldView(*this, w);
}

} // namespace fw
