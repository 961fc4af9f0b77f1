// The library's one exported symbol: checks the host and answers with the
// table of all entries.
#include <cstdio>
#include <type_traits>
#include <vector>

#include "complexmatrix_plugin.h"
#include "host.h"

extern "C" __attribute__((visibility("default"))) int cm_plugin_entry(const cm_host_api *host, const cm_entry **entries,
                                                                      size_t *count, char *error, size_t error_size);

static_assert(std::is_same_v<decltype(&cm_plugin_entry), cm_plugin_entry_fn>);

namespace cmlib {

namespace {

cm_host_api g_host{};

// The identities of the value classes, asked of the host on first use: the
// host may build its class records only once the program is started.
const void *g_identities[kValueClassCount] = {};

// Every entry the library registers, in the order of the entry list, under
// the list's declaration text.
const std::vector<cm_entry> &entry_table() {
    static const std::vector<cm_entry> table = [] {
        std::vector<Registration> registered;
        registered.reserve(CM_ENTRY_COUNT);
        add_global_entries(registered);
        add_complex_entries(registered);
        add_matrix_entries(registered);
        add_complex_matrix_entries(registered);
        add_polynomial_entries(registered);
        std::vector<void *> functions(CM_ENTRY_COUNT, nullptr);
        for (const Registration &r : registered)
            functions[static_cast<std::size_t>(r.index)] = r.function;
        std::vector<cm_entry> all;
        all.reserve(CM_ENTRY_COUNT);
        for (int index = 0; index < CM_ENTRY_COUNT; ++index)
            if (void *function = functions[static_cast<std::size_t>(index)])
                all.push_back({cm::kDeclarations[index], function});
        return all;
    }();
    return table;
}

// Why the host can't be served, or nullptr when it can.
const char *refusal(const cm_host_api *api) {
    if (!api) return "no host table";
    if (api->version < CM_HOST_API_VERSION) return "the host table is older than version 2";
    if (api->size < sizeof(cm_host_api)) return "the host table is smaller than version 2 needs";
    if (!api->new_object || !api->retain || !api->release || !api->class_name || !api->get_data || !api->set_data ||
        !api->new_string || !api->string_data || !api->raise || !api->class_identity || !api->data_of_class) {
        return "the host table lacks a service";
    }
    return nullptr;
}

} // namespace

const cm_host_api &host() { return g_host; }

void set_host(const cm_host_api &api) {
    g_host = api;
    for (const void *&identity : g_identities)
        identity = nullptr;
}

const void *class_identity(int slot, const char *class_name) {
    const void *&identity = g_identities[slot];
    if (!identity) identity = g_host.class_identity(class_name);
    return identity;
}

} // namespace cmlib

extern "C" int cm_plugin_entry(const cm_host_api *host, const cm_entry **entries, size_t *count, char *error,
                               size_t error_size) {
    const auto refuse = [&](const char *reason) {
        if (error && error_size > 0) std::snprintf(error, error_size, "libComplexMatrix64: %s", reason);
        return 1;
    };
    if (!entries || !count) return refuse("nowhere to put the entry table");
    if (const char *reason = cmlib::refusal(host)) return refuse(reason);
    try {
        const std::vector<cm_entry> &table = cmlib::entry_table();
        // Only the fields of the version this library knows; a newer host's
        // table is longer.
        cm_host_api own = *host;
        own.size = sizeof(cm_host_api);
        cmlib::set_host(own);
        *entries = table.data();
        *count = table.size();
        return 0;
    } catch (...) {
        return refuse("out of memory");
    }
}
