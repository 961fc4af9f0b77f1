#pragma once

#include <complex>
#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <Eigen/Core>

#include "complexmatrix_entries.h"
#include "complexmatrix_plugin.h"

// What the entries share: the host's services, the four value classes and
// their contents, and the guard that turns a failure into a raise on the host.
namespace cmlib {

// The host table that cm_plugin_entry accepted; a copy of its own.
const cm_host_api &host();
void set_host(const cm_host_api &api);

// The host's identity of the value class in that slot (0 to
// kValueClassCount - 1), asked once per host.
inline constexpr int kValueClassCount = 4;
const void *class_identity(int slot, const char *class_name);

// A failure inside an entry, raised on the host as an exception of the class.
struct LibraryError {
    const char *class_name;
    std::string message;
};

// The host raised already (it could not make an object): just return.
struct HostRaised {};

[[noreturn]] inline void fail(const char *class_name, std::string message) {
    throw LibraryError{class_name, std::move(message)};
}

// The four value classes: the name the host knows them by and what an
// object of the class holds.
struct MatrixClass {
    static constexpr const char *name = "Matrix";
    static constexpr int slot = 0;
    using Value = Eigen::MatrixXd;
};
struct ComplexClass {
    static constexpr const char *name = "Complex";
    static constexpr int slot = 1;
    using Value = std::complex<double>;
};
struct ComplexMatrixClass {
    static constexpr const char *name = "ComplexMatrix";
    static constexpr int slot = 2;
    using Value = Eigen::MatrixXcd;
};
struct PolynomialClass {
    static constexpr const char *name = "Polynomial";
    static constexpr int slot = 3;
    using Value = std::vector<std::complex<double>>; // coefficient i belongs to x^i
};

// An owned reference to a host object, released unless handed on.
class ObjectRef {
public:
    explicit ObjectRef(cm_object *object) : object_(object) {}
    ObjectRef(const ObjectRef &) = delete;
    ObjectRef &operator=(const ObjectRef &) = delete;
    ~ObjectRef() {
        if (object_) host().release(object_);
    }
    cm_object *get() const { return object_; }
    cm_object *hand_on() { return std::exchange(object_, nullptr); }

private:
    cm_object *object_;
};

// Why an object gives no contents of class K: nil, of another class, or
// without contents. Raised as the exception of the class.
template <class K> [[noreturn]] void refuse_object(const cm_object *object) {
    if (!object) fail("BadArgumentException", std::string("a ") + K::name + " argument is Nil");
    const char *actual = host().class_name(object);
    if (!actual || std::strcmp(actual, K::name) != 0) {
        fail("BadArgumentException",
             std::string("expected a ") + K::name + ", got " + (actual ? actual : "an object of no class"));
    }
    fail("RuntimeException", std::string("the ") + K::name + " object has no contents");
}

// The contents of an object of class K. A nil object, an object of another
// class or one whose contents are missing is refused with an exception. The
// class is checked by the host's identity of K, without comparing names.
template <class K> typename K::Value &value_of(const cm_object *object) {
    void *data = host().data_of_class(object, class_identity(K::slot, K::name));
    if (!data) refuse_object<K>(object);
    return *static_cast<typename K::Value *>(data);
}

// A new object of class K made by the host (which runs the class's __init
// entry) and given `value`; the caller receives the reference.
template <class K> cm_object *make_result(typename K::Value value) {
    ObjectRef object(host().new_object(K::name));
    if (!object.get()) throw HostRaised{};
    value_of<K>(object.get()) = std::move(value);
    return object.hand_on();
}

inline std::string_view text_of(const cm_string *string) {
    if (!string) return {};
    std::size_t length = 0;
    const char *data = host().string_data(string, &length);
    return data ? std::string_view(data, length) : std::string_view();
}

inline cm_string *make_string(const std::string &text) { return host().new_string(text.data(), text.size()); }

// Runs an entry's body; a failure becomes an exception raised on the host and
// the entry returns a zero result. No C++ exception leaves an entry.
template <class Body> auto guarded(Body &&body) noexcept -> decltype(body()) {
    using Result = decltype(body());
    try {
        return body();
    } catch (const LibraryError &error) {
        host().raise(error.class_name, error.message.c_str());
    } catch (const HostRaised &) {
    } catch (const std::bad_alloc &) {
        host().raise("OverflowOrUnderflowException", "out of memory in the matrix library");
    } catch (const std::length_error &) {
        host().raise("OverflowOrUnderflowException", "a matrix too large for the matrix library");
    } catch (const std::exception &error) {
        host().raise("RuntimeException", error.what());
    } catch (...) {
        host().raise("RuntimeException", "unexpected failure in the matrix library");
    }
    return Result();
}

// The hooks: __init gives the object empty contents, __exit frees them and
// accepts an object whose contents are gone or were never made.
template <class K> void init_hook(cm_object *object) {
    guarded([&] {
        if (!object) return;
        host().set_data(object, new typename K::Value());
    });
}

template <class K> void exit_hook(cm_object *object) {
    guarded([&] {
        if (!object) return;
        auto *value = static_cast<typename K::Value *>(host().get_data(object));
        host().set_data(object, nullptr);
        delete value;
    });
}

// The row and column counts of an object of the matrix class K.
template <class K> int64_t rows_of(cm_object *m) {
    return guarded([&] { return static_cast<int64_t>(value_of<K>(m).rows()); });
}
template <class K> int64_t columns_of(cm_object *m) {
    return guarded([&] { return static_cast<int64_t>(value_of<K>(m).cols()); });
}

// One entry the library offers: its index in the entry list and its
// function, which must have the type the list gives the entry.
struct Registration {
    int index;
    void *function;
};

template <int Index> Registration offer(typename cm::Entry<Index>::Function function) {
    return {Index, reinterpret_cast<void *>(function)};
}

// Each class's entries.
void add_complex_entries(std::vector<Registration> &entries);
void add_matrix_entries(std::vector<Registration> &entries);
void add_global_entries(std::vector<Registration> &entries);
void add_complex_matrix_entries(std::vector<Registration> &entries);
void add_polynomial_entries(std::vector<Registration> &entries);

} // namespace cmlib
