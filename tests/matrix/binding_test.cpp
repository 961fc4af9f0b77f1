#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include "framework/exceptions.h"
#include "matrix/binding.h"
#include "matrix/entry_table.h"
#include "tests/matrix/spy_library.h"

namespace {

using matrixlib::entryTable;
using matrixlib::kEntryCount;

// What binding raised, as "Class: message"; empty if it did not raise.
template <class F> std::string Failure(F &&bind) {
    try {
        bind();
    } catch (const fw::Raised &raised) {
        EXPECT_TRUE(raised.Exception()->IsA(fw::RuntimeException::ClassRecordOf())) << raised.Describe();
        return raised.Describe();
    }
    return {};
}

std::array<void *, kEntryCount> Codes() {
    std::array<void *, kEntryCount> codes;
    for (int i = 0; i < kEntryCount; ++i)
        codes[i] = entryTable[i].code;
    return codes;
}

// The program's table is the library's entry list: the same declarations in
// the same order, each class's run opening with its two hooks.
TEST(LibraryEntryTable, HoldsTheEntryListInItsOrder) {
    const struct {
        std::string_view prefix;
        int first;
        int last;
    } runs[] = {{"NumRows(", 0, 0},  {"NumColumns(", 1, 1},       {"Complex.", 2, 26},
                {"Matrix.", 27, 59}, {"ComplexMatrix.", 60, 102}, {"Polynomial.", 103, 110}};
    std::set<std::string_view> seen;
    for (const auto &run : runs) {
        for (int i = run.first; i <= run.last; ++i) {
            const std::string_view declaration = entryTable[i].declaration;
            EXPECT_EQ(declaration, cm::kDeclarations[i]) << "entry " << i;
            EXPECT_TRUE(declaration.starts_with(run.prefix)) << "entry " << i << ": " << declaration;
            seen.insert(declaration);
        }
        if (run.first == run.last) continue;
        EXPECT_EQ(std::string_view(entryTable[run.first].declaration).substr(run.prefix.size()), "__init");
        EXPECT_EQ(std::string_view(entryTable[run.first + 1].declaration).substr(run.prefix.size()), "__exit");
    }
    EXPECT_EQ(seen.size(), std::size_t{kEntryCount});
}

TEST_F(SpyLibrary, BindingFillsEveryEntry) {
    for (int i = 0; i < kEntryCount; ++i) {
        EXPECT_NE(entryTable[i].code, nullptr) << entryTable[i].declaration;
        EXPECT_STREQ(entryTable[i].library, "libComplexMatrix64.dylib");
        EXPECT_STREQ(entryTable[i].package, entryTable[0].package);
    }
    EXPECT_STRNE(entryTable[0].package, "");
}

TEST_F(SpyLibrary, MissingLibraryNamesTheFileAndTheLoadersReason) {
    const std::array<void *, kEntryCount> before = Codes();
    const std::string failure = Failure([] { InitPluginEntrypoints("/nonexistent/libComplexMatrix64.so"); });
    EXPECT_NE(failure.find("/nonexistent/libComplexMatrix64.so"), std::string::npos) << failure;
    EXPECT_NE(failure.find("cannot open shared object file"), std::string::npos) << failure;
    EXPECT_EQ(Codes(), before);
}

TEST_F(SpyLibrary, MissingDeclarationIsNamedAndTheTableKeptAsItWas) {
    const std::string declaration = cm::kDeclarations[CM_ENTRY_ComplexMatrix_Constructor_Text];
    const std::array<void *, kEntryCount> before = Codes();
    spy::Omit(declaration);
    const std::string failure = Failure([] { InitPluginEntrypoints(SPY_PLUGIN_PATH); });
    EXPECT_NE(failure.find("\"" + declaration + "\""), std::string::npos) << failure;
    EXPECT_EQ(Codes(), before);
}

TEST_F(SpyLibrary, RefusalGivesTheLibrarysReason) {
    spy::Refuse("host services version 1 is too old");
    const std::string failure = Failure([] { InitPluginEntrypoints(SPY_PLUGIN_PATH); });
    EXPECT_NE(failure.find("host services version 1 is too old"), std::string::npos) << failure;
}

TEST(LibraryBinding, FailedBindingLeavesNoEntryBound) {
    ExpectInFreshProcess([] {
        spy::Omit(cm::kDeclarations[CM_ENTRY_Polynomial_SetCoeff_ReIm]);
        if (Failure([] { InitPluginEntrypoints(SPY_PLUGIN_PATH); }).empty()) return std::string("bound");
        for (int i = 0; i < kEntryCount; ++i)
            if (entryTable[i].code) return std::string("bound: ") + entryTable[i].declaration;
        return std::string();
    });
}

TEST(LibraryBinding, InTheBuildTreeTheLibraryIsBesideTheProgram) {
    EXPECT_EQ(matrixlib::LibraryFileName(), "libComplexMatrix64.so");
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    EXPECT_EQ(matrixlib::LibraryPath(), (folder / "libComplexMatrix64.so").string());
}

} // namespace
