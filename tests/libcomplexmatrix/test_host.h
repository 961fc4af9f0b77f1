#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "complexmatrix_entries.h"
#include "complexmatrix_plugin.h"

// A small host for the matrix library: it loads libComplexMatrix64.so with
// dlopen, keeps objects with a class name, a reference count and a data
// slot, keeps strings, and records the first exception the library raises.
namespace testhost {

struct Raised {
    std::string class_name;
    std::string message;
};

class Host {
public:
    // Loads the library and asks it for its entries; fails the test on error.
    static Host &instance();

    const cm_host_api &api() const { return api_; }
    cm_plugin_entry_fn plugin_entry() const { return entry_point_; }
    const cm_entry *entries() const { return entries_; }
    std::size_t entry_count() const { return count_; }

    // The function of a declaration; nullptr when the table has none.
    void *function(const std::string &declaration) const;

    // Calls the entry of `declaration` with the given arguments.
    template <class Result, class... Args> Result call(const std::string &declaration, Args... args) {
        auto *f = reinterpret_cast<Result (*)(Args...)>(function(declaration));
        return f(args...);
    }
    // Calls the entry the library offers under the list's declaration of `entry`.
    template <class Result, class... Args> Result call(int entry, Args... args) {
        return call<Result>(std::string(cm::kDeclarations[entry]), args...);
    }

    // The exception the library raised since the last take, if any.
    std::optional<Raised> take_raised();

    int live_objects() const { return live_objects_; }
    int exits_that_left_data() const { return exits_that_left_data_; }

    cm_string *string(const std::string &text); // kept until reset_strings
    static std::string text(const cm_string *string);
    void reset_strings();

private:
    Host();

    cm_host_api api_{};
    void *handle_ = nullptr;
    cm_plugin_entry_fn entry_point_ = nullptr;
    const cm_entry *entries_ = nullptr;
    std::size_t count_ = 0;
    std::map<std::string, void *> by_declaration_;

    friend struct Callbacks;
    std::optional<Raised> raised_;
    int live_objects_ = 0;
    int exits_that_left_data_ = 0;
    std::vector<std::unique_ptr<std::string>> strings_;
};

// An owned reference to a host object, released at the end of its scope.
class Object {
public:
    Object() = default;
    explicit Object(cm_object *object) : object_(object) {}
    Object(Object &&other) noexcept : object_(other.object_) { other.object_ = nullptr; }
    Object &operator=(Object &&other) noexcept;
    ~Object();

    cm_object *get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    std::string class_name() const;

private:
    cm_object *object_ = nullptr;
};

// A new object of the class, its __init run.
Object make(const char *class_name);

} // namespace testhost
