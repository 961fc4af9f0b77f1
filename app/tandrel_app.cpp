#include "app/tandrel_app.h"

#include "framework/app_runtime.h"

namespace {

void BuildTandrel(fw::ClassRecord &r) {
    const fw::ClassRecord &base = fw::Application::ClassRecordOf();
    r.base = &base;
    r.allocate = fw::Allocator<Tandrel>();
    r.classTable = base.classTable;
    r.methods.push_back({"Constructor", "(  )", static_cast<int>(r.classTable.size()), {}});
    r.classTable.emplace_back("Constructor");
}

} // namespace

const fw::ClassRecord &Tandrel::ClassRecordOf() {
    static const fw::ClassRecord &r = fw::ClassRegistry::Instance().LookUp("Tandrel", BuildTandrel);
    return r;
}

void Tandrel::Constructor() {}

bool Tandrel::IsEventImplemented(const fw::String &eventName) {
    return fw::_RuntimeIsEventHandled(*this, "Tandrel", eventName.view(), true);
}
