#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>

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
    const std::string declaration = "ComplexMatrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer,  "
                                    "ComplexMatrixString As String)";
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
        spy::Omit("Polynomial.SetCoeff(Index As Integer, xRe As Double, xIm As Double)");
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
