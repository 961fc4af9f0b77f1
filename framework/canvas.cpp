#include "framework/canvas.h"

#include "framework/property_decl.h"
#include "framework/view/control_views.h"

namespace fw {

namespace {
void BuildCanvas(ClassRecord &r) {
    r.base = &RectControl::ClassRecordOf();
    r.allocate = Allocator<Canvas>();
    r.classTable = r.base->classTable;
    r.properties = {FW_DECL(Boolean, Canvas, AllowFocusRing), FW_DECL(Boolean, Canvas, AllowFocus),
                    FW_DECL(Boolean, Canvas, AllowTabs), FW_DECL(Boolean, Canvas, DoubleBuffer)};
}
} // namespace

const ClassRecord &Canvas::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("Canvas", BuildCanvas);
    return r;
}

void Canvas::SetBackdrop(Ref<Picture> picture) {
    BeforeChange();
    backdrop_ = std::move(picture);
    Changed(Aspect::Backdrop);
}

std::unique_ptr<view::ControlView> Canvas::MakeView(view::WindowView &w) { return view::MakeCanvasView(*this, w); }

} // namespace fw
