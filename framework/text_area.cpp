#include "framework/text_area.h"

#include "framework/property_decl.h"
#include "framework/text_functions.h"
#include "framework/view/control_views.h"

#include <algorithm>
#include <cstdint>

namespace fw {

namespace {

void BuildTextArea(ClassRecord &r) {
    r.base = &TextEdit::ClassRecordOf();
    r.allocate = Allocator<TextArea>();
    r.classTable = r.base->classTable;
    r.properties = {FW_DECL(Boolean, TextArea, HideSelection),
                    FW_DECL(Double, TextArea, LineHeight),
                    FW_DECL(Double, TextArea, LineSpacing),
                    FW_DECL(Boolean, TextArea, Multiline),
                    FW_DECL(Boolean, TextArea, HasHorizontalScrollbar),
                    FW_DECL(Boolean, TextArea, HasVerticalScrollbar),
                    FW_DECL(Boolean, TextArea, AllowStyledText)};
}

void BuildStyledText(ClassRecord &r) {
    r.allocate = Allocator<StyledText>();
    const Operation operations[] = {{"Bold", "( Integer, Integer, Boolean )"}};
    r.AddOperations(operations);
}

} // namespace

const ClassRecord &TextArea::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("TextArea", BuildTextArea);
    return r;
}

const ClassRecord &StyledText::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("StyledText", BuildStyledText);
    return r;
}

TextArea::TextArea() = default;

StyledText *TextArea::GetStyledText() {
    if (!styled_) {
        styled_ = NewObject<fw::StyledText>();
        styled_->AttachTo(*this);
    }
    return styled_.get();
}

void TextArea::TextReplaced() {
    if (styled_) styled_->Clear();
}

std::unique_ptr<view::ControlView> TextArea::MakeView(view::WindowView &w) { return view::MakeTextAreaView(*this, w); }

void StyledText::AttachTo(TextArea &area) { area_ = WeakRef<TextArea>(&area); }

void StyledText::Bold(int64_t start, int64_t length, bool value) {
    TextArea *area = area_.get();
    const int64_t size = area ? Len(area->Text()) : INT64_MAX;
    start = std::max<int64_t>(start, 0);
    const int64_t end = length > 0 && start < size ? std::min(size, start + std::min(length, size - start)) : start;
    if (end <= start) return;
    runs_.push_back({start, end - start, value});
    if (area) area->StyleChanged();
}

bool StyledText::IsBold(int64_t position) const {
    bool bold = false;
    for (const Run &r : runs_)
        if (position >= r.start && position < r.start + r.length) bold = r.bold;
    return bold;
}

} // namespace fw
