#include "framework/line.h"

#include "framework/property_decl.h"
#include "framework/view/control_views.h"

namespace fw {

namespace {
void BuildLine(ClassRecord &r) {
    r.base = &Control::ClassRecordOf();
    r.allocate = Allocator<Line>();
    r.classTable = r.base->classTable;
    r.properties = {FW_DECL(Double, Line, X1), FW_DECL(Double, Line, X2),        FW_DECL(Double, Line, Y1),
                    FW_DECL(Double, Line, Y2), FW_DECL(Double, Line, Thickness), FW_DECL(Color, Line, LineColor)};
}
} // namespace

const ClassRecord &Line::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("Line", BuildLine);
    return r;
}

std::unique_ptr<view::ControlView> Line::MakeView(view::WindowView &w) { return view::MakeLineView(*this, w); }

} // namespace fw
