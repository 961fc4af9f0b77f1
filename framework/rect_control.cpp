#include "framework/rect_control.h"

#include "framework/presenter.h"
#include "framework/property_decl.h"
#include "framework/view/control_view.h"
#include "framework/view/qt_support.h"

namespace fw {

namespace {
void BuildRectControl(ClassRecord &r) {
    r.base = &Control::ClassRecordOf();
    r.allocate = Allocator<RectControl>();
    const Operation operations[] = {{"Constructor", "(  )"}, {"SetFocus", "(  )"}};
    r.AddOperations(operations);
    r.properties = {FW_DECL(Integer, RectControl, Left),
                    FW_DECL(Integer, RectControl, Top),
                    FW_DECL(Integer, RectControl, Width),
                    FW_DECL(Integer, RectControl, Height),
                    FW_DECL(Boolean, RectControl, LockLeft),
                    FW_DECL(Boolean, RectControl, LockTop),
                    FW_DECL(Boolean, RectControl, LockRight),
                    FW_DECL(Boolean, RectControl, LockBottom),
                    FW_DECL(Integer, RectControl, TabIndex),
                    FW_DECL(Boolean, RectControl, TabStop),
                    FW_DECL(Boolean, RectControl, AllowAutoDeactivate),
                    FW_DECL(Boolean, RectControl, Enabled),
                    FW_DECL(String, RectControl, Tooltip)};
}
} // namespace

const ClassRecord &RectControl::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("RectControl", BuildRectControl);
    return r;
}

void RectControl::SetFocus() {
    if (Ended()) return;
    if (view::ControlView *v = View()) {
        view::CheckGuiThread("RectControl.SetFocus");
        v->EnsureSynced();
        if (QWidget *w = v->Widget()) w->setFocus(Qt::OtherFocusReason);
    }
    CurrentPresenter().FocusMoved(Name());
}

bool RectControl::RaiseKeyDown(const String &key) {
    EventArgs args;
    args.key = key;
    return RaiseEvent(EventNumber::KeyDown, args);
}

void RectControl::FollowWindowResize(int64_t dx, int64_t dy) {
    int64_t left = Left_, top = Top_, width = Width_, height = Height_;
    if (LockRight_) {
        if (LockLeft_)
            width += dx;
        else
            left += dx;
    }
    if (LockBottom_) {
        if (LockTop_)
            height += dy;
        else
            top += dy;
    }
    if (left == Left_ && top == Top_ && width == Width_ && height == Height_) return;
    Left_ = left;
    Top_ = top;
    Width_ = width < 0 ? 0 : width;
    Height_ = height < 0 ? 0 : height;
    Changed(Aspect::Geometry);
}

} // namespace fw
