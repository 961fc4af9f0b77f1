#include "tests/matrix/spy_plugin.h"

#include "complexmatrix_entries.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <type_traits>

namespace spy {

namespace {

const cm_host_api *host = nullptr;
std::vector<Call> calls;
std::string omitted;
std::string refusal;
std::map<int, std::pair<std::string, std::string>> raises;
std::map<int, std::string> newObjects;

std::string Text(int64_t value) { return std::to_string(value); }
std::string Text(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}
std::string Text(cm_object *object) { return ObjectText(object); }
std::string Text(cm_string *string) {
    std::size_t length = 0;
    const char *bytes = host->string_data(string, &length);
    return std::string(bytes, length);
}

template <class R> R Junk() {
    if constexpr (std::is_pointer_v<R>)
        return reinterpret_cast<R>(std::uintptr_t{0x10});
    else
        return R(7);
}

template <int N, class R> R Answer() {
    if constexpr (std::is_same_v<R, int64_t>) {
        return 1000 + N;
    } else if constexpr (std::is_same_v<R, double>) {
        return N + 0.25;
    } else if constexpr (std::is_same_v<R, cm_string *>) {
        const std::string text = "spy " + std::to_string(N);
        return host->new_string(text.data(), text.size());
    } else {
        static_assert(std::is_same_v<R, cm_object *>);
        auto it = newObjects.find(N);
        return it == newObjects.end() ? nullptr : host->new_object(it->second.c_str());
    }
}

// The implementation of entry N, of the function type F that the entry list
// gives it: records the call and answers.
template <int N, class F> struct Spy;

template <int N, class R, class... A> struct Spy<N, R (*)(cm_object *, A...)> {
    static R Call(cm_object *receiver, A... args) {
        calls.push_back({N, receiver, {Text(args)...}});
        if (auto it = raises.find(N); it != raises.end()) {
            host->raise(it->second.first.c_str(), it->second.second.c_str());
            if constexpr (!std::is_void_v<R>)
                return Junk<R>();
            else
                return;
        }
        if constexpr (!std::is_void_v<R>) return Answer<N, R>();
    }
};

struct Offer {
    int entry;
    const char *declaration;
    void *function;
};

#define SPY_OFFER(index, name, declaration, result, parameters)                                                        \
    Offer{index, declaration, reinterpret_cast<void *>(&Spy<index, cm::Entry<index>::Function>::Call)},

const Offer offers[] = {CM_ENTRIES(SPY_OFFER)};

#undef SPY_OFFER

static_assert(std::size(offers) == CM_ENTRY_COUNT);

std::vector<cm_entry> offered;

} // namespace

const std::vector<Call> &Calls() { return calls; }

void Reset() {
    calls.clear();
    omitted.clear();
    refusal.clear();
    raises.clear();
    newObjects.clear();
}

void Omit(const std::string &declaration) { omitted = declaration; }
void Refuse(const std::string &reason) { refusal = reason; }
void RaiseAt(int entry, const std::string &className, const std::string &message) {
    raises[entry] = {className, message};
}
void ReturnNewAt(int entry, const std::string &className) { newObjects[entry] = className; }

std::string Declaration(int entry) {
    for (const Offer &offer : offers)
        if (offer.entry == entry) return offer.declaration;
    return {};
}

std::string ObjectText(const void *object) {
    char text[32];
    std::snprintf(text, sizeof text, "object %p", object);
    return text;
}

} // namespace spy

extern "C" int cm_plugin_entry(const cm_host_api *host, const cm_entry **entries, size_t *count, char *error,
                               size_t error_size) {
    if (!spy::refusal.empty()) {
        std::snprintf(error, error_size, "%s", spy::refusal.c_str());
        return 1;
    }
    spy::host = host;
    spy::offered.clear();
    for (const spy::Offer &offer : spy::offers)
        if (spy::omitted != offer.declaration) spy::offered.push_back({offer.declaration, offer.function});
    *entries = spy::offered.data();
    *count = spy::offered.size();
    return 0;
}
