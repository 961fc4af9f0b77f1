#include "framework/font_control.h"

#include "framework/property_decl.h"

namespace fw {

namespace {
void BuildFontControl(ClassRecord &r) {
    r.base = &RectControl::ClassRecordOf();
    r.allocate = Allocator<FontControl>();
    r.classTable = r.base->classTable;
    r.properties = {FW_DECL(String, FontControl, FontName),    FW_DECL(Single, FontControl, FontSize),
                    FW_DECL(FontUnits, FontControl, FontUnit), FW_DECL(Boolean, FontControl, Bold),
                    FW_DECL(Boolean, FontControl, Italic),     FW_DECL(Boolean, FontControl, Underline)};
}
} // namespace

const ClassRecord &FontControl::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("FontControl", BuildFontControl);
    return r;
}

} // namespace fw
