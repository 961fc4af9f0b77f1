#include "test_host.h"

#include <dlfcn.h>

#include <cstring>
#include <stdexcept>
#include <utility>

namespace testhost {

namespace {

struct TestObject {
    std::string class_name;
    void *data = nullptr;
    int references = 1;
};

TestObject *as_object(const cm_object *object) {
    return reinterpret_cast<TestObject *>(const_cast<cm_object *>(object));
}

const char *const kValueClasses[] = {"Matrix", "Complex", "ComplexMatrix", "Polynomial"};

// A value class's identity: its name's place in kValueClasses; null for any
// other name.
const void *identity_of(const std::string &name) {
    for (const char *const &value_class : kValueClasses)
        if (name == value_class) return &value_class;
    return nullptr;
}

bool is_value_class(const std::string &name) { return identity_of(name) != nullptr; }

} // namespace

struct Callbacks {
    static cm_object *new_object(const char *class_name) {
        Host &host = Host::instance();
        const std::string name = class_name ? class_name : "";
        if (!is_value_class(name)) {
            raise("RuntimeException", ("no library class " + name).c_str());
            return nullptr;
        }
        auto *object = new TestObject{name};
        ++host.live_objects_;
        host.call<void>(name + ".__init", reinterpret_cast<cm_object *>(object));
        return reinterpret_cast<cm_object *>(object);
    }
    static void retain(cm_object *object) { ++as_object(object)->references; }
    static void release(cm_object *object) {
        TestObject *o = as_object(object);
        if (--o->references > 0) return;
        Host &host = Host::instance();
        host.call<void>(o->class_name + ".__exit", object);
        if (o->data) ++host.exits_that_left_data_;
        --host.live_objects_;
        delete o;
    }
    static const char *class_name(const cm_object *object) { return as_object(object)->class_name.c_str(); }
    static void *get_data(const cm_object *object) { return as_object(object)->data; }
    static void set_data(cm_object *object, void *data) { as_object(object)->data = data; }
    static cm_string *new_string(const char *utf8, size_t length) {
        return Host::instance().string(std::string(utf8, length));
    }
    static const char *string_data(const cm_string *string, size_t *length) {
        const auto *text = reinterpret_cast<const std::string *>(string);
        *length = text->size();
        return text->data();
    }
    static const void *class_identity(const char *class_name) { return class_name ? identity_of(class_name) : nullptr; }
    static void *data_of_class(const cm_object *object, const void *identity) {
        if (!object || !identity || identity_of(as_object(object)->class_name) != identity) return nullptr;
        return as_object(object)->data;
    }
    static void raise(const char *class_name, const char *message) {
        Host &host = Host::instance();
        if (!host.raised_) host.raised_ = Raised{class_name, message};
    }
};

Host &Host::instance() {
    static Host host;
    return host;
}

Host::Host() {
    api_.version = CM_HOST_API_VERSION;
    api_.size = sizeof(cm_host_api);
    api_.new_object = &Callbacks::new_object;
    api_.retain = &Callbacks::retain;
    api_.release = &Callbacks::release;
    api_.class_name = &Callbacks::class_name;
    api_.get_data = &Callbacks::get_data;
    api_.set_data = &Callbacks::set_data;
    api_.new_string = &Callbacks::new_string;
    api_.string_data = &Callbacks::string_data;
    api_.raise = &Callbacks::raise;
    api_.class_identity = &Callbacks::class_identity;
    api_.data_of_class = &Callbacks::data_of_class;

    handle_ = dlopen(TANDREL_COMPLEXMATRIX_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!handle_) throw std::runtime_error(std::string("can't load the matrix library: ") + dlerror());
    entry_point_ = reinterpret_cast<cm_plugin_entry_fn>(dlsym(handle_, CM_PLUGIN_ENTRY_NAME));
    if (!entry_point_) throw std::runtime_error("the matrix library has no " CM_PLUGIN_ENTRY_NAME);
    char error[256] = "";
    if (entry_point_(&api_, &entries_, &count_, error, sizeof error) != 0) {
        throw std::runtime_error(std::string("the matrix library refused the host: ") + error);
    }
    for (std::size_t k = 0; k < count_; ++k)
        by_declaration_[entries_[k].declaration] = entries_[k].function;
}

void *Host::function(const std::string &declaration) const {
    const auto found = by_declaration_.find(declaration);
    if (found == by_declaration_.end()) throw std::runtime_error("no entry \"" + declaration + "\"");
    return found->second;
}

std::optional<Raised> Host::take_raised() { return std::exchange(raised_, std::nullopt); }

cm_string *Host::string(const std::string &text) {
    strings_.push_back(std::make_unique<std::string>(text));
    return reinterpret_cast<cm_string *>(strings_.back().get());
}

std::string Host::text(const cm_string *string) {
    return string ? *reinterpret_cast<const std::string *>(string) : std::string("<null>");
}

void Host::reset_strings() { strings_.clear(); }

Object &Object::operator=(Object &&other) noexcept {
    if (this != &other) {
        if (object_) Callbacks::release(object_);
        object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
}

Object::~Object() {
    if (object_) Callbacks::release(object_);
}

std::string Object::class_name() const { return object_ ? Callbacks::class_name(object_) : "<nil>"; }

Object make(const char *class_name) { return Object(Callbacks::new_object(class_name)); }

} // namespace testhost
