#include "framework/label.h"

#include "framework/property_decl.h"
#include "framework/view/control_views.h"

namespace fw {

namespace {
void BuildLabel(ClassRecord &r) {
    r.base = &FontControl::ClassRecordOf();
    r.allocate = Allocator<Label>();
    r.classTable = r.base->classTable;
    r.properties = {FW_DECL(String, Label, Value),       FW_DECL(Boolean, Label, Multiline),
                    FW_DECL(Boolean, Label, Selectable), FW_DECL(Integer, Label, TextAlignment),
                    FW_DECL(Color, Label, TextColor),    FW_DECL(String, Label, DataSource),
                    FW_DECL(String, Label, DataField)};
}
} // namespace

const ClassRecord &Label::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("Label", BuildLabel);
    return r;
}

std::unique_ptr<view::ControlView> Label::MakeView(view::WindowView &w) { return view::MakeLabelView(*this, w); }

} // namespace fw
