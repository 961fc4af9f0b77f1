#pragma once

#include <exception>
#include <string>

#include "framework/object.h"
#include "framework/string.h"

namespace fw {

// The framework's exception object. A raised exception travels as a C++
// exception (Raised) holding a counted reference to one of these.
class RuntimeException : public Object {
public:
    static const ClassRecord &ClassRecordOf();
    String Message;
    int64_t ErrorNumber = 0;
};

#define FW_EXCEPTION_CLASS(Name)                   \
    class Name : public RuntimeException {         \
    public:                                        \
        static const ClassRecord &ClassRecordOf(); \
    };

FW_EXCEPTION_CLASS(NilObjectException)
FW_EXCEPTION_CLASS(IllegalCastException)
FW_EXCEPTION_CLASS(OutOfBoundsException)
FW_EXCEPTION_CLASS(StackOverflowException)
FW_EXCEPTION_CLASS(PlatformException)      // an operation with no meaning on this platform
FW_EXCEPTION_CLASS(UnsupportedFormatException)
FW_EXCEPTION_CLASS(EndException)
FW_EXCEPTION_CLASS(ThreadEndException)

void BuildExceptionRecord(ClassRecord &record, std::function<Object *()> allocate);

class Raised : public std::exception {
public:
    explicit Raised(Ref<RuntimeException> exception);
    const char *what() const noexcept override { return what_.c_str(); }
    const Ref<RuntimeException> &Exception() const { return exception_; }
    // "NilObjectException: message"
    std::string Describe() const { return what_; }

private:
    Ref<RuntimeException> exception_;
    std::string what_;
};

[[noreturn]] void Raise(Ref<RuntimeException> exception);

template <class E> [[noreturn]] void RaiseNew(String message) {
    Ref<E> exception = NewObject<E>();
    exception->Message = std::move(message);
    Raise(exception);
}

// The framework's stack-depth check: raises StackOverflowException when the
// nesting of program calls runs too deep.
class StackDepthGuard {
public:
    StackDepthGuard();
    ~StackDepthGuard();
    StackDepthGuard(const StackDepthGuard &) = delete;
    StackDepthGuard &operator=(const StackDepthGuard &) = delete;
};

} // namespace fw
