#pragma once

#include <functional>

#include "framework/exceptions.h"
#include "framework/object.h"
#include "framework/string.h"

namespace fw {

// What an event hands to its handler: the object that raised it and, for
// KeyDown, the key as text; for a mouse press, its position.
struct EventArgs {
    Object *sender = nullptr;
    String key;
    int64_t x = 0, y = 0;
};

// A method bound to its receiver. The receiver is held weakly: a delegate
// whose receiver is gone raises NilObjectException instead of calling.
class Delegate : public Object {
public:
    using Body = std::function<bool(Object &receiver, const EventArgs &args)>;
    static const ClassRecord &ClassRecordOf();

    void Bind(Object &receiver, Body body, String signature);
    bool Invoke(const EventArgs &args) const;
    const String &Signature() const { return signature_; }
    Object *Receiver() const { return receiver_.get(); }

private:
    WeakRef<Object> receiver_;
    Body body_;
    String signature_;
};

Ref<Delegate> RuntimeCreateDelegate(Object &receiver, Delegate::Body body, String signature);

// Typed binders for the handler shapes the program uses.
template <class W, class C>
Ref<Delegate> RuntimeCreateDelegate(W &receiver, void (W::*method)(C *), String signature) {
    return RuntimeCreateDelegate(
        receiver,
        [method](Object &r, const EventArgs &a) {
            (static_cast<W &>(r).*method)(CheckCast<C>(a.sender));
            return false;
        },
        std::move(signature));
}

template <class W, class C>
Ref<Delegate> RuntimeCreateDelegate(W &receiver, bool (W::*method)(C *, String), String signature) {
    return RuntimeCreateDelegate(
        receiver,
        [method](Object &r, const EventArgs &a) { return (static_cast<W &>(r).*method)(CheckCast<C>(a.sender), a.key); },
        std::move(signature));
}

template <class W>
Ref<Delegate> RuntimeCreateDelegate(W &receiver, bool (W::*method)(), String signature) {
    return RuntimeCreateDelegate(
        receiver, [method](Object &r, const EventArgs &) { return (static_cast<W &>(r).*method)(); },
        std::move(signature));
}

} // namespace fw
