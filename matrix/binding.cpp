#include "matrix/binding.h"

#include <dlfcn.h>

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <unordered_map>

#include "complexmatrix_plugin.h"
#include "framework/exceptions.h"
#include "framework/program_files.h"
#include "matrix/class_records.h"
#include "matrix/entry_table.h"
#include "matrix/host_services.h"

namespace matrixlib {

namespace {

[[noreturn]] void Fail(const std::string &message) { fw::RaiseNew<fw::RuntimeException>(message); }

std::string LastLoaderError() {
    const char *error = dlerror();
    return error ? error : "unknown error";
}

// Asks the loaded library for its entries and fills the table from them, all
// or nothing.
void BindLibrary(void *handle, const std::string &path) {
    dlerror();
    auto entry = reinterpret_cast<cm_plugin_entry_fn>(dlsym(handle, CM_PLUGIN_ENTRY_NAME));
    if (!entry)
        Fail("The matrix library " + path + " has no entry point " + CM_PLUGIN_ENTRY_NAME + ": " + LastLoaderError());

    const cm_entry *offered = nullptr;
    std::size_t count = 0;
    char reason[512] = {};
    int status;
    fw::Ref<fw::RuntimeException> raised;
    {
        CallScope scope;
        status = entry(&HostServices(), &offered, &count, reason, sizeof reason);
        raised = scope.Take();
    }
    if (raised) fw::Raise(raised);
    reason[sizeof reason - 1] = '\0';
    if (status != 0) Fail("The matrix library " + path + " refused to serve the program: " + reason);
    if (!offered && count != 0) Fail("The matrix library " + path + " offered no entries");

    std::unordered_map<std::string_view, void *> byDeclaration;
    for (std::size_t i = 0; i < count; ++i)
        if (offered[i].declaration && offered[i].function)
            byDeclaration.emplace(offered[i].declaration, offered[i].function);

    void *found[kEntryCount];
    std::string missing;
    int missingCount = 0;
    for (int i = 0; i < kEntryCount; ++i) {
        auto it = byDeclaration.find(entryTable[i].declaration);
        found[i] = it == byDeclaration.end() ? nullptr : it->second;
        if (!found[i] && missingCount++ == 0) missing = entryTable[i].declaration;
    }
    if (missingCount == 1) Fail("The matrix library " + path + " lacks the entry \"" + missing + "\"");
    if (missingCount > 1)
        Fail("The matrix library " + path + " lacks the entry \"" + missing + "\" and " +
             std::to_string(missingCount - 1) + " more");

    for (int i = 0; i < kEntryCount; ++i)
        entryTable[i].code = found[i];
}

} // namespace

std::string LibraryFileName() {
    std::string name = kLibraryName;
    constexpr std::string_view kMacSuffix = ".dylib";
    if (name.ends_with(kMacSuffix)) name.replace(name.size() - kMacSuffix.size(), kMacSuffix.size(), ".so");
    return name;
}

std::string LibraryPath() {
    const std::filesystem::path folder = fw::RunningProgramFileFolders().library;
    return folder.empty() ? std::string() : (folder / LibraryFileName()).string();
}

} // namespace matrixlib

void InitPluginEntrypoints(const std::string &libraryPath) {
    // Never closed: the table points into the library for the rest of the process.
    void *handle = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) matrixlib::Fail("Cannot load the matrix library " + libraryPath + ": " + matrixlib::LastLoaderError());
    matrixlib::BindLibrary(handle, libraryPath);
}

void InitPluginEntrypoints() {
    const std::string path = matrixlib::LibraryPath();
    if (path.empty())
        matrixlib::Fail("Cannot load the matrix library " + matrixlib::LibraryFileName() +
                        ": the program's own folder is unknown");
    InitPluginEntrypoints(path);
}

void ResolvePluginClasses() { matrixlib::LookUpLibraryClasses(); }

void _InitPluginEntrypoints() {
    InitPluginEntrypoints();
    ResolvePluginClasses();
}
