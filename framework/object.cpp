#include "framework/object.h"

#include <memory>

#include "framework/exceptions.h"
#include "framework/properties.h"

namespace fw {

void ClassRecord::AddOperations(std::span<const Operation> operations) {
    for (const Operation &op : operations) {
        methods.push_back({op.name, op.signature, static_cast<int>(classTable.size()), {}});
        classTable.emplace_back(op.name);
    }
}

bool ClassRecord::IsA(const ClassRecord &other) const {
    for (const ClassRecord *r = this; r; r = r->base)
        if (r == &other) return true;
    return false;
}

const std::function<void(Object &)> *ClassRecord::EffectiveCreationHook() const {
    for (const ClassRecord *r = this; r; r = r->base)
        if (r->creationHook) return &r->creationHook;
    return nullptr;
}

const std::function<void(Object &)> *ClassRecord::EffectiveDestructionHook() const {
    for (const ClassRecord *r = this; r; r = r->base)
        if (r->destructionHook) return &r->destructionHook;
    return nullptr;
}

const PropertyDecl *ClassRecord::FindProperty(std::string_view key) const {
    for (const ClassRecord *r = this; r; r = r->base)
        for (const PropertyDecl *p : r->properties)
            if (p->name == key) return p;
    return nullptr;
}

bool ClassRecord::HandlesEvent(std::string_view event) const {
    for (const EventRecord &e : events)
        if (e.event == event) return true;
    return false;
}

struct ClassRegistry::Entry {
    ClassRecord record;
    int builds = 0;
};

ClassRegistry &ClassRegistry::Instance() {
    static ClassRegistry registry;
    return registry;
}

const ClassRecord &ClassRegistry::LookUp(std::string_view name, ClassBuilder build) {
    for (Entry *e : entries_)
        if (e->record.name == name) return e->record;
    // Records live for the whole process: objects point at them until exit.
    auto *entry = new Entry;
    entry->record.name = std::string(name);
    entries_.push_back(entry);
    order_.push_back(entry->record.name);
    ++entry->builds;
    build(entry->record);
    return entry->record;
}

const ClassRecord *ClassRegistry::Find(std::string_view name) const {
    for (Entry *e : entries_)
        if (e->record.name == name) return &e->record;
    return nullptr;
}

int ClassRegistry::BuildCount(std::string_view name) const {
    for (Entry *e : entries_)
        if (e->record.name == name) return e->builds;
    return 0;
}

Object::~Object() {
    if (weak_) {
        weak_->Clear();
        weak_->Release();
    }
}

void Object::Release() const {
    if (--references_ > 0 || dying_) return;
    dying_ = true;
    auto *self = const_cast<Object *>(this);
    if (class_) {
        if (auto *hook = class_->EffectiveDestructionHook()) {
            // The hook may take and drop references of its own; hold one so
            // that it cannot end the object under itself.
            references_ = 1;
            try {
                (*hook)(*self);
            } catch (...) {
                // A destructor path has nowhere to pass an exception on to.
            }
            references_ = 0;
        }
    }
    delete self;
}

WeakBox *WeakBox::For(const Object &object) {
    if (!object.weak_) object.weak_ = new WeakBox(const_cast<Object *>(&object));
    return object.weak_;
}

Object *AdoptNewObject(const ClassRecord &record) {
    if (!record.allocate) RaiseNew<PlatformException>("Class " + record.name + " cannot be instantiated");
    Object *object = record.allocate();
    object->class_ = &record;
    return object;
}

Ref<Object> RuntimeNewObject(const ClassRecord &record) {
    Ref<Object> object(AdoptNewObject(record));
    if (auto *hook = record.EffectiveCreationHook()) (*hook)(*object);
    return object;
}

Object *RuntimeCheckCast(Object *object, const ClassRecord &record) {
    if (!object) RaiseNew<NilObjectException>("Nil object where a " + record.name + " was expected");
    if (!object->IsA(record)) RaiseIllegalCast(*object, record);
    return object;
}

void RaiseIllegalCast(const Object &object, const ClassRecord &record) {
    const std::string from = object.Class() ? object.Class()->name : std::string("an object");
    RaiseNew<IllegalCastException>(from + " is not a " + record.name);
}

} // namespace fw
