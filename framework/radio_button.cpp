#include "framework/radio_button.h"

#include "framework/property_decl.h"
#include "framework/view/control_views.h"
#include "framework/window.h"

namespace fw {

namespace {
void BuildRadioButton(ClassRecord &r) {
    r.base = &FontControl::ClassRecordOf();
    r.allocate = Allocator<RadioButton>();
    r.classTable = r.base->classTable;
    r.properties = {FW_DECL(String, RadioButton, Caption), FW_DECL(Boolean, RadioButton, Value)};
}
} // namespace

const ClassRecord &RadioButton::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("RadioButton", BuildRadioButton);
    return r;
}

void RadioButton::SetValue(bool value) {
    BeforeChange();
    value_ = value;
    if (value) {
        if (fw::Window *w = OwnerWindow()) {
            for (const Ref<Control> &c : w->Controls()) {
                auto *other = dynamic_cast<RadioButton *>(c.get());
                if (other && other != this && other->value_) {
                    other->value_ = false;
                    other->Changed(Aspect::Value);
                }
            }
        }
    }
    Changed(Aspect::Value);
}

void RadioButton::UserChoose() {
    if (Ended()) return;
    Ref<RadioButton> self(this);
    SetValue(true);
    RaiseEvent(EventNumber::Action);
}

std::unique_ptr<view::ControlView> RadioButton::MakeView(view::WindowView &w) {
    return view::MakeRadioButtonView(*this, w);
}

} // namespace fw
