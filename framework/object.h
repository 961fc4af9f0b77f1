#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fw {

class Object;
struct ClassRecord;
struct PropertyDecl;

// One method as the runtime describes it: name, signature text, class-table
// slot (-1 where it has none) and attributes such as "Hidden".
struct MethodRecord {
    std::string name;
    std::string signature;
    int slot = -1;
    std::vector<std::string> attributes;
};

// One slot of a class table: the operation's name and its signature text.
struct Operation {
    const char *name;
    const char *signature = "";
};

// A window event the class handles, and the method that handles it.
struct EventRecord {
    std::string event;
    std::string handler;
};

// The run-time description of a class, built once at its first look-up.
struct ClassRecord {
    std::string name;
    const ClassRecord *base = nullptr;
    std::function<Object *()> allocate;                // the C++ object; null for abstract records
    std::function<void(Object &)> creationHook;        // runs on every new object, before a constructor
    std::function<void(Object &)> destructionHook;     // runs when the last reference goes
    std::vector<std::string> classTable;               // operation names by slot
    std::vector<MethodRecord> methods;
    std::vector<EventRecord> events;
    std::vector<const PropertyDecl *> properties;      // settable by property lists

    // Appends the operations to the class table, each with its method record.
    void AddOperations(std::span<const Operation> operations);
    bool IsA(const ClassRecord &other) const;
    // The hooks in effect: the nearest along the base chain.
    const std::function<void(Object &)> *EffectiveCreationHook() const;
    const std::function<void(Object &)> *EffectiveDestructionHook() const;
    // The property of that name, searched along the base chain; null if none.
    const PropertyDecl *FindProperty(std::string_view key) const;
    bool HandlesEvent(std::string_view event) const;
};

using ClassBuilder = void (*)(ClassRecord &);

// All class records of the process, by name. A record is built on its first
// look-up and returned unchanged afterwards.
class ClassRegistry {
public:
    static ClassRegistry &Instance();
    const ClassRecord &LookUp(std::string_view name, ClassBuilder build);
    const ClassRecord *Find(std::string_view name) const;
    int BuildCount(std::string_view name) const;
    const std::vector<std::string> &BuildOrder() const { return order_; }

private:
    struct Entry;
    std::vector<Entry *> entries_;
    std::vector<std::string> order_;
};

// Counted-reference base of every framework and program object.
class Object {
public:
    Object() = default;
    Object(const Object &) = delete;
    Object &operator=(const Object &) = delete;
    virtual ~Object();

    const ClassRecord *Class() const { return class_; }
    bool IsA(const ClassRecord &record) const { return class_ && class_->IsA(record); }
    void Retain() const { ++references_; }
    void Release() const;
    long ReferenceCount() const { return references_; }

private:
    friend class WeakBox;
    friend Object *AdoptNewObject(const ClassRecord &record);
    mutable long references_ = 0;
    mutable bool dying_ = false;
    const ClassRecord *class_ = nullptr;
    mutable class WeakBox *weak_ = nullptr;
};

// Intrusive counted reference.
template <class T> class Ref {
public:
    Ref() = default;
    Ref(std::nullptr_t) {}
    explicit Ref(T *object) : object_(object) { if (object_) object_->Retain(); }
    Ref(const Ref &other) : Ref(other.object_) {}
    Ref(Ref &&other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    template <class U> Ref(const Ref<U> &other) : Ref(static_cast<T *>(other.get())) {}
    ~Ref() { if (object_) object_->Release(); }
    Ref &operator=(Ref other) noexcept { std::swap(object_, other.object_); return *this; }

    // Take over a reference that was already counted for us.
    static Ref Adopt(T *object) { Ref r; r.object_ = object; return r; }
    T *Detach() { return std::exchange(object_, nullptr); }

    T *get() const { return object_; }
    T *operator->() const { return object_; }
    T &operator*() const { return *object_; }
    explicit operator bool() const { return object_ != nullptr; }
    friend bool operator==(const Ref &a, const Ref &b) { return a.object_ == b.object_; }

private:
    T *object_ = nullptr;
};

// A reference that does not keep its object alive and reads nil once it is gone.
class WeakBox {
public:
    static WeakBox *For(const Object &object);
    Object *Target() const { return target_; }
    void Retain() { ++references_; }
    void Release() { if (--references_ == 0) delete this; }
    void Clear() { target_ = nullptr; }

private:
    explicit WeakBox(Object *target) : target_(target) {}
    Object *target_;
    long references_ = 1; // the object's own
};

template <class T> class WeakRef {
public:
    WeakRef() = default;
    explicit WeakRef(const T *object) : box_(object ? WeakBox::For(*object) : nullptr) { if (box_) box_->Retain(); }
    WeakRef(const WeakRef &other) : box_(other.box_) { if (box_) box_->Retain(); }
    WeakRef &operator=(WeakRef other) noexcept { std::swap(box_, other.box_); return *this; }
    ~WeakRef() { if (box_) box_->Release(); }
    T *get() const { return box_ ? static_cast<T *>(box_->Target()) : nullptr; }
    Ref<T> Lock() const { return Ref<T>(get()); }

private:
    WeakBox *box_ = nullptr;
};

// A new object of the class, its creation hook run; a constructor follows.
Ref<Object> RuntimeNewObject(const ClassRecord &record);

template <class T> Ref<T> NewObject() {
    Ref<Object> object = RuntimeNewObject(T::ClassRecordOf());
    return Ref<T>(static_cast<T *>(object.get()));
}

// Casts that raise NilObjectException for nil and IllegalCastException for an
// object of another class.
Object *RuntimeCheckCast(Object *object, const ClassRecord &record);
[[noreturn]] void RaiseIllegalCast(const Object &object, const ClassRecord &record);

template <class T> T *CheckCast(Object *object) {
    RuntimeCheckCast(object, T::ClassRecordOf());
    T *typed = dynamic_cast<T *>(object);
    if (!typed) RaiseIllegalCast(*object, T::ClassRecordOf());
    return typed;
}

// Class-record helpers for the common case.
template <class T> std::function<Object *()> Allocator() { return [] { return static_cast<Object *>(new T()); }; }

} // namespace fw
