#include "framework/control.h"

#include "framework/exceptions.h"
#include "framework/property_decl.h"
#include "framework/view/control_view.h"
#include "framework/view/qt_support.h"
#include "framework/window.h"

namespace fw {

namespace {
void BuildControl(ClassRecord &r) {
    r.allocate = Allocator<Control>();
    const Operation operations[] = {{"Constructor", "(  )"}};
    r.AddOperations(operations);
    r.properties = {FW_DECL(String, Control, Name),           FW_DECL(Integer, Control, Index),
                    FW_DECL(Integer, Control, TabPanelIndex), FW_DECL(Boolean, Control, Transparent),
                    FW_DECL(Boolean, Control, Visible),       FW_DECL(String, Control, InitialParent)};
}
} // namespace

const ClassRecord &Control::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("Control", BuildControl);
    return r;
}

Control::Control() = default;
Control::~Control() = default;

void Control::Constructor() {}

fw::Window *Control::OwnerWindow() const { return window_.get(); }

void Control::AddEventHandler(int eventNumber, Ref<Delegate> handler) {
    if (!handler) RaiseNew<NilObjectException>("Nil handler for event " + std::to_string(eventNumber));
    bindings_.push_back({eventNumber, std::move(handler)});
}

bool Control::HasEventHandler(int eventNumber) const {
    for (const Binding &b : bindings_)
        if (b.number == eventNumber) return true;
    return false;
}

bool Control::RaiseEvent(int eventNumber, EventArgs args) {
    if (ended_) return false;
    Ref<Control> self(this); // a handler may close the window that holds us
    args.sender = this;
    bool result = false;
    // Copy: a handler may bind further handlers while we run.
    std::vector<Ref<Delegate>> handlers;
    for (const Binding &b : bindings_)
        if (b.number == eventNumber) handlers.push_back(b.handler);
    for (const Ref<Delegate> &h : handlers)
        result = h->Invoke(args) || result;
    return result;
}

void Control::BeforeChange() const {
    if (view_) view::CheckGuiThread("Setting a control's property");
}

void Control::Changed(Aspect aspect) {
    if (view_) view_->Apply(aspect);
}

void Control::AttachTo(fw::Window &window) { window_ = WeakRef<fw::Window>(&window); }

void Control::CreateView(view::WindowView &windowView) {
    if (ended_ || view_) return;
    SetView(MakeView(windowView));
}

void Control::SetView(std::unique_ptr<view::ControlView> view) {
    view_ = std::move(view);
    if (view_) view_->Apply(Aspect::All);
}

void Control::EndWithWindow() {
    ended_ = true;
    view_.reset();
    bindings_.clear();
}

std::unique_ptr<view::ControlView> Control::MakeView(view::WindowView &) { return nullptr; }

void RuntimeAddEventHandler(Object *control, int eventNumber, const Ref<Delegate> &handler) {
    CheckCast<Control>(control)->AddEventHandler(eventNumber, handler);
}

} // namespace fw
