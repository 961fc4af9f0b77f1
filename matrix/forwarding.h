#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

#include "complexmatrix_plugin.h"
#include "framework/exceptions.h"
#include "framework/object.h"
#include "framework/string.h"
#include "matrix/class_records.h"
#include "matrix/entry_table.h"
#include "matrix/host_services.h"
#include "matrix/library_object.h"

// Calling the library's entries. A member of a library class is one line:
//     double Matrix::Element(int64_t r, int64_t c) { return Forward<CM_ENTRY_Matrix_Element, double>(this, r, c); }
// The receiver comes first, then the arguments in declaration order; the
// member's types must cross as the entry's C signature in the list says.

namespace matrixlib {

[[noreturn]] void RaiseUnboundEntry(int entry);
[[noreturn]] void RaiseNilArgument(int entry);
[[noreturn]] void RaiseWrongResultClass(int entry, const fw::Object &result);

namespace detail {

// How an argument crosses: its C type, and how it is passed while its Hold,
// which lives for the call, keeps it alive. Numbers need no hold.
struct NoHold {};

template <class T> struct Arg;

template <> struct Arg<int64_t> {
    using C = int64_t;
    using Hold = NoHold;
    static C Pass(int64_t value, Hold &, int) { return value; }
};

template <> struct Arg<double> {
    using C = double;
    using Hold = NoHold;
    static C Pass(double value, Hold &, int) { return value; }
};

template <class T>
requires std::derived_from<T, LibraryObject>
struct Arg<T *> {
    using C = cm_object *;
    using Hold = fw::Ref<fw::Object>;
    static C Pass(T *object, Hold &hold, int entry) {
        if (!object) RaiseNilArgument(entry);
        hold = fw::Ref<fw::Object>(object);
        return ObjectToBoundary(object);
    }
};

// A string argument crosses as a LibraryString in the caller's frame: the
// library only reads it during the call and has no way to keep it.
template <> struct Arg<fw::String> {
    using C = cm_string *;
    using Hold = std::optional<LibraryString>;
    static C Pass(const fw::String &text, Hold &hold, int) { return StringToBoundary(&hold.emplace(text)); }
};

// How a result comes back: its C type, the value of a call that raised, and
// how a result is taken over with the reference the library gave it.
template <class R> struct Result;

template <> struct Result<void> { using C = void; };

template <> struct Result<int64_t> {
    using C = int64_t;
    static int64_t Empty() { return 0; }
    static int64_t Take(C value, int) { return value; }
};

template <> struct Result<double> {
    using C = double;
    static double Empty() { return 0.0; }
    static double Take(C value, int) { return value; }
};

template <> struct Result<fw::String> {
    using C = cm_string *;
    static fw::String Empty() { return {}; }
    static fw::String Take(C string, int) {
        if (!string) return {};
        fw::Ref<LibraryString> owned = fw::Ref<LibraryString>::Adopt(StringFromBoundary(string));
        return owned->text;
    }
};

// A library class has no subclasses, and only objects of T carry T's
// record: comparing the record is the whole check.
template <class T> struct Result<fw::Ref<T>> {
    using C = cm_object *;
    static fw::Ref<T> Empty() { return {}; }
    static fw::Ref<T> Take(C object, int entry) {
        if (!object) return {};
        fw::Ref<fw::Object> owned = fw::Ref<fw::Object>::Adopt(ObjectFromBoundary(object));
        if (owned->Class() != &T::ClassRecordOf()) RaiseWrongResultClass(entry, *owned);
        return fw::Ref<T>::Adopt(static_cast<T *>(owned.Detach()));
    }
};

} // namespace detail

// What one call of an entry gave: its result, or the exception the library
// raised (and then the empty result: 0, 0.0, nil or "").
template <class R> struct Outcome {
    R value{};
    fw::Ref<fw::RuntimeException> raised;
};

template <> struct Outcome<void> { fw::Ref<fw::RuntimeException> raised; };

// Calls the entry with the receiver and the arguments, holding each object
// and string for the length of the call. Raises (without calling) when the
// entry is not bound or an object argument is nil; an exception the library
// raises comes back in the outcome.
template <class R, class... Args> Outcome<R> CallEntry(int entry, const Args &...args) {
    void *code = entryTable[entry].code;
    if (!code) RaiseUnboundEntry(entry);

    using Fn = typename detail::Result<R>::C (*)(typename detail::Arg<Args>::C...);
    const auto call = reinterpret_cast<Fn>(code);

    std::tuple<typename detail::Arg<Args>::Hold...> holds;
    auto passed = [&]<std::size_t... I>(std::index_sequence<I...>) {
        // Braced initialisation passes the arguments strictly left to right.
        return std::tuple<typename detail::Arg<Args>::C...>{
            detail::Arg<Args>::Pass(args, std::get<I>(holds), entry)...};
    }
    (std::index_sequence_for<Args...>{});

    CallScope scope;
    if constexpr (std::is_void_v<R>) {
        std::apply(call, passed);
        return {scope.Take()};
    } else {
        auto result = std::apply(call, passed);
        if (fw::Ref<fw::RuntimeException> raised = scope.Take())
            return {detail::Result<R>::Empty(), std::move(raised)}; // whatever it returned is not ours
        return {detail::Result<R>::Take(result, entry), nullptr};
    }
}

// Raises the exception of an outcome, if any, and otherwise gives its result.
template <class R> R RaisePending(Outcome<R> outcome) {
    if (outcome.raised) fw::Raise(std::move(outcome.raised));
    if constexpr (!std::is_void_v<R>) return std::move(outcome.value);
}

// A member or global function of the library: makes sure the value classes'
// records exist, so that the library can make objects of them, then calls
// the entry and passes on what the library raised.
template <int Entry, class R, class... Args> R Forward(const Args &...args) {
    static_assert(std::is_same_v<typename detail::Result<R>::C (*)(typename detail::Arg<Args>::C...),
                                 typename cm::Entry<Entry>::Function>,
                  "the forwarder's result and arguments do not cross as its entry's signature");
    LookUpValueClasses();
    return RaisePending(CallEntry<R>(Entry, args...));
}

} // namespace matrixlib
