#pragma once

#include "complexmatrix_plugin.h"
#include "framework/exceptions.h"
#include "framework/object.h"
#include "framework/string.h"

namespace matrixlib {

// A string handed across the library boundary: a counted object holding the
// text, so that the library can keep it for the length of a call.
class LibraryString : public fw::Object {
public:
    explicit LibraryString(fw::String text) : text(std::move(text)) {}
    fw::String text;
};

// At the boundary a cm_object is the framework object itself and a cm_string
// the LibraryString; both are only ever cast back to what they were made from.
inline cm_object *ObjectToBoundary(fw::Object *object) { return reinterpret_cast<cm_object *>(object); }
inline fw::Object *ObjectFromBoundary(const cm_object *object) {
    return reinterpret_cast<fw::Object *>(const_cast<cm_object *>(object));
}
inline cm_string *StringToBoundary(LibraryString *string) { return reinterpret_cast<cm_string *>(string); }
inline LibraryString *StringFromBoundary(const cm_string *string) {
    return reinterpret_cast<LibraryString *>(const_cast<cm_string *>(string));
}

// The services the program offers the library; lives for the whole process.
const cm_host_api &HostServices();

// Brackets one call into the library. An exception the library raises
// during the call (through the raise service, or by a failure inside a
// service it called) is kept here until the caller takes it; only the first
// raise of a call counts. Calls nest: a library call may make an object whose
// creation hook calls the library again.
class CallScope {
public:
    CallScope();
    ~CallScope();
    CallScope(const CallScope &) = delete;
    CallScope &operator=(const CallScope &) = delete;

    // The exception raised during this call, or nil; afterwards the call has none.
    fw::Ref<fw::RuntimeException> Take();

private:
    fw::Ref<fw::RuntimeException> outer_;
};

} // namespace matrixlib
