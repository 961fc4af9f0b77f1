#include "matrix/host_services.h"

#include <cstring>
#include <exception>
#include <string>
#include <string_view>

#include "matrix/class_records.h"
#include "matrix/library_object.h"

namespace matrixlib {

namespace {

// The exception raised during the innermost open call, and how many calls
// are open. The program calls the library from its one thread only.
fw::Ref<fw::RuntimeException> pending;
int openCalls = 0;

void KeepPending(fw::Ref<fw::RuntimeException> exception) {
    if (openCalls == 0 || pending) return; // nobody to hand it to, or not the first
    pending = std::move(exception);
}

fw::Ref<fw::RuntimeException> NewException(const fw::ClassRecord &record, fw::String message) {
    fw::Ref<fw::Object> object = fw::RuntimeNewObject(record);
    auto *exception = dynamic_cast<fw::RuntimeException *>(object.get());
    if (!exception) return nullptr;
    exception->Message = std::move(message);
    return fw::Ref<fw::RuntimeException>(exception);
}

// Turns a failure inside a service into the call's pending exception, so
// that no C++ exception ever unwinds through the library's frames.
template <class F> auto Guarded(F &&service, decltype(service()) failed) noexcept {
    try {
        return service();
    } catch (const fw::Raised &raised) {
        KeepPending(raised.Exception());
    } catch (const std::exception &error) {
        try {
            KeepPending(NewException(fw::RuntimeException::ClassRecordOf(), error.what()));
        } catch (...) {
        }
    } catch (...) {
        try {
            KeepPending(NewException(fw::RuntimeException::ClassRecordOf(), "Unknown failure in a host service"));
        } catch (...) {
        }
    }
    return failed;
}

void RaiseFromService(const std::string &message) { fw::RaiseNew<fw::RuntimeException>(message); }

cm_object *NewObject(const char *className) {
    return Guarded(
        [&]() -> cm_object * {
            if (!className) RaiseFromService("The matrix library asked for an object of no class");
            const fw::ClassRecord *record = FindLibraryClass(className);
            if (!record) RaiseFromService(std::string("The matrix library has no class named ") + className);
            return ObjectToBoundary(fw::RuntimeNewObject(*record).Detach());
        },
        nullptr);
}

void Retain(cm_object *object) {
    if (object) ObjectFromBoundary(object)->Retain();
}

void Release(cm_object *object) {
    // Object::Release runs the destruction hook and keeps its failures to itself.
    if (object) ObjectFromBoundary(object)->Release();
}

const char *ClassName(const cm_object *object) {
    if (!object) return "";
    const fw::ClassRecord *record = ObjectFromBoundary(object)->Class();
    return record ? record->name.c_str() : "";
}

// The object as a LibraryObject when its class is one of the value classes,
// whose records make only LibraryObjects; null otherwise.
LibraryObject *AsLibraryObject(const cm_object *object) {
    if (!object) return nullptr;
    fw::Object *framework = ObjectFromBoundary(object);
    return IsValueClassRecord(framework->Class()) ? static_cast<LibraryObject *>(framework) : nullptr;
}

void *GetData(const cm_object *object) {
    LibraryObject *library = AsLibraryObject(object);
    return library ? library->LibraryData() : nullptr;
}

void SetData(cm_object *object, void *data) {
    if (LibraryObject *library = AsLibraryObject(object)) library->SetLibraryData(data);
}

// A value class's identity is its class record.
const void *ClassIdentity(const char *className) {
    return Guarded(
        [&]() -> const void * {
            const fw::ClassRecord *record = className ? FindLibraryClass(className) : nullptr;
            return IsValueClassRecord(record) ? record : nullptr;
        },
        nullptr);
}

// The check on every argument of every call: one comparison of the class
// record with the identity, which only a value class's record can match.
void *DataOfClass(const cm_object *object, const void *identity) {
    if (!object || !identity) return nullptr;
    const fw::Object *framework = ObjectFromBoundary(object);
    if (framework->Class() != identity) return nullptr;
    return static_cast<const LibraryObject *>(framework)->LibraryData();
}

cm_string *NewString(const char *utf8, size_t length) {
    return Guarded(
        [&]() -> cm_string * {
            if (!utf8 && length != 0) RaiseFromService("The matrix library made a string from no text");
            fw::String text = length ? fw::String(std::string_view(utf8, length)) : fw::String();
            auto *string = new LibraryString(std::move(text));
            string->Retain();
            return StringToBoundary(string);
        },
        nullptr);
}

const char *StringData(const cm_string *string, size_t *length) {
    const fw::String *text = string ? &StringFromBoundary(string)->text : nullptr;
    if (length) *length = text ? text->size() : 0;
    return text ? text->data() : "";
}

void RaiseException(const char *className, const char *message) {
    Guarded(
        [&]() -> int {
            if (openCalls == 0 || pending) return 0;
            fw::String text = message ? message : "";
            const std::string_view name = className ? className : "";
            const fw::ClassRecord *record =
                name == "RuntimeException" ? &fw::RuntimeException::ClassRecordOf() : FindLibraryErrorClass(name);
            if (!record) {
                record = &fw::RuntimeException::ClassRecordOf();
                text = "The matrix library raised an unknown class " + std::string(name) + ": " + text.str();
            }
            KeepPending(NewException(*record, std::move(text)));
            return 0;
        },
        0);
}

const cm_host_api host = {
    CM_HOST_API_VERSION, sizeof(cm_host_api), NewObject,      Retain,        Release,     ClassName, GetData, SetData,
    NewString,           StringData,          RaiseException, ClassIdentity, DataOfClass,
};

} // namespace

const cm_host_api &HostServices() { return host; }

CallScope::CallScope() : outer_(std::move(pending)) {
    pending = nullptr;
    ++openCalls;
}

CallScope::~CallScope() {
    --openCalls;
    pending = std::move(outer_);
}

fw::Ref<fw::RuntimeException> CallScope::Take() { return std::exchange(pending, nullptr); }

} // namespace matrixlib
