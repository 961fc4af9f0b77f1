#include "framework/delegate.h"

namespace fw {

const ClassRecord &Delegate::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp(
        "Delegate", [](ClassRecord &rec) { rec.allocate = Allocator<Delegate>(); });
    return r;
}

void Delegate::Bind(Object &receiver, Body body, String signature) {
    receiver_ = WeakRef<Object>(&receiver);
    body_ = std::move(body);
    signature_ = std::move(signature);
}

bool Delegate::Invoke(const EventArgs &args) const {
    Ref<Object> receiver = receiver_.Lock();
    if (!receiver) RaiseNew<NilObjectException>("The delegate's receiver no longer exists");
    StackDepthGuard depth;
    return body_(*receiver, args);
}

Ref<Delegate> RuntimeCreateDelegate(Object &receiver, Delegate::Body body, String signature) {
    Ref<Delegate> delegate = NewObject<Delegate>();
    delegate->Bind(receiver, std::move(body), std::move(signature));
    return delegate;
}

} // namespace fw
