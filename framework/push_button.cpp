#include "framework/push_button.h"

#include "framework/property_decl.h"
#include "framework/view/control_views.h"

namespace fw {

namespace {
void BuildPushButton(ClassRecord &r) {
    r.base = &FontControl::ClassRecordOf();
    r.allocate = Allocator<PushButton>();
    r.classTable = r.base->classTable;
    r.classTable.emplace_back("Push");
    r.properties = {FW_DECL(String, PushButton, Caption), FW_DECL(Boolean, PushButton, Cancel),
                    FW_DECL(Integer, PushButton, MacButtonStyle),
                    detail::Decl<PropertyType::Boolean, &PushButton::IsDefault, &PushButton::SetDefault>("Default")};
}
} // namespace

const ClassRecord &PushButton::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("PushButton", BuildPushButton);
    return r;
}

void PushButton::SetDefault(bool value) {
    BeforeChange();
    default_ = value;
    Changed(Aspect::Behaviour);
}

void PushButton::Push() { RaiseEvent(EventNumber::Action); }

std::unique_ptr<view::ControlView> PushButton::MakeView(view::WindowView &w) {
    return view::MakePushButtonView(*this, w);
}

} // namespace fw
