#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/exceptions.h"
#include "framework/object.h"
#include "matrix/complex.h"
#include "matrix/complex_matrix.h"
#include "matrix/library_errors.h"
#include "matrix/matrix.h"
#include "matrix/polynomial.h"
#include "tests/matrix/spy_library.h"

namespace {

using RecordOf = const fw::ClassRecord &(*)();

const std::vector<std::string> kAlphabetical = {
    "BadArgumentException",
    "BadEntryNumberException",
    "Complex",
    "ComplexMatrix",
    "DivideByZeroException",
    "Matrix",
    "NegativeNumberException",
    "NegativeOrZeroException",
    "OverflowOrUnderflowException",
    "Polynomial",
    "RowColumnMismatch",
};

std::string Joined(const std::vector<std::string> &names) {
    std::string text;
    for (const std::string &name : names)
        text += name + " ";
    return text;
}

// The names of library classes among the records built so far, in build order.
std::vector<std::string> LibraryClassesBuilt() {
    std::vector<std::string> built;
    for (const std::string &name : fw::ClassRegistry::Instance().BuildOrder())
        for (const std::string &library : kAlphabetical)
            if (name == library) built.push_back(name);
    return built;
}

struct ValueClass {
    RecordOf recordOf;
    const char *name;
    int initEntry;
    int members;
    const char *firstMember;
    const char *lastMember;
};

const ValueClass kValueClasses[] = {
    {&Complex::ClassRecordOf, "Complex", 2, 23, "Real", "Operator_Compare"},
    {&Matrix::ClassRecordOf, "Matrix", 27, 31, "Constructor", "NumColumns"},
    {&ComplexMatrix::ClassRecordOf, "ComplexMatrix", 60, 41, "Constructor", "NumColumns"},
    {&Polynomial::ClassRecordOf, "Polynomial", 103, 6, "Constructor", "SetCoeff"},
};

const RecordOf kErrorClasses[] = {
    &DivideByZeroException::ClassRecordOf,
    &NegativeNumberException::ClassRecordOf,
    &NegativeOrZeroException::ClassRecordOf,
    &BadEntryNumberException::ClassRecordOf,
    &OverflowOrUnderflowException::ClassRecordOf,
    &BadArgumentException::ClassRecordOf,
    &RowColumnMismatch::ClassRecordOf,
};

TEST(LibraryClassRecords, ValueClassesListTheirMembersAndHooks) {
    for (const ValueClass &v : kValueClasses) {
        SCOPED_TRACE(v.name);
        const fw::ClassRecord &r = v.recordOf();
        EXPECT_EQ(r.name, v.name);
        EXPECT_EQ(r.base, nullptr);
        EXPECT_TRUE(r.creationHook);
        EXPECT_TRUE(r.destructionHook);
        ASSERT_EQ(r.classTable.size(), static_cast<std::size_t>(v.members));
        EXPECT_EQ(r.classTable.front(), v.firstMember);
        EXPECT_EQ(r.classTable.back(), v.lastMember);

        ASSERT_EQ(r.methods.size(), r.classTable.size() + 2);
        EXPECT_EQ(r.methods[0].name, "__init");
        EXPECT_EQ(r.methods[0].signature, std::string(v.name) + ".__init");
        EXPECT_EQ(r.methods[1].name, "__exit");
        EXPECT_EQ(r.methods[1].signature, std::string(v.name) + ".__exit");
        for (int slot = 0; slot < v.members; ++slot) {
            const fw::MethodRecord &method = r.methods[slot + 2];
            EXPECT_EQ(method.slot, slot);
            EXPECT_EQ(method.name, r.classTable[slot]);
            EXPECT_EQ(method.signature, spy::Declaration(v.initEntry + 2 + slot));
        }
    }
}

TEST(LibraryClassRecords, ErrorClassesHaveACreationHookOnly) {
    for (RecordOf recordOf : kErrorClasses) {
        const fw::ClassRecord &r = recordOf();
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.base, nullptr);
        EXPECT_TRUE(r.creationHook);
        EXPECT_FALSE(r.destructionHook);
        EXPECT_TRUE(r.classTable.empty());
        ASSERT_EQ(r.methods.size(), 1u);
        EXPECT_EQ(r.methods[0].name, "__init");
    }
}

TEST(LibraryClassRecords, LookingUpTwiceBuildsOnceAndGivesTheSameRecord) {
    ResolvePluginClasses();
    ResolvePluginClasses();
    for (const std::string &name : kAlphabetical) {
        SCOPED_TRACE(name);
        const fw::ClassRecord &again = fw::ClassRegistry::Instance().LookUp(
            name, [](fw::ClassRecord &) { ADD_FAILURE() << "built a second time"; });
        EXPECT_EQ(&again, fw::ClassRegistry::Instance().Find(name));
        EXPECT_EQ(fw::ClassRegistry::Instance().BuildCount(name), 1);
    }
    EXPECT_EQ(&Matrix::ClassRecordOf(), fw::ClassRegistry::Instance().Find("Matrix"));
}

TEST(LibraryClassRecords, ResolvingBuildsTheElevenInAlphabeticalOrder) {
    ExpectInFreshProcess([] {
        ResolvePluginClasses();
        const std::vector<std::string> built = LibraryClassesBuilt();
        return built == kAlphabetical ? std::string() : "built: " + Joined(built);
    });
}

TEST_F(SpyLibrary, FirstLibraryCallFindsTheValueClassesBuilt) {
    ExpectInFreshProcess([] {
        try {
            NumRows(nullptr); // refused before the library is entered
            return std::string("no exception");
        } catch (const fw::Raised &) {
        }
        const std::vector<std::string> expected = {"Complex", "ComplexMatrix", "Matrix", "Polynomial"};
        const std::vector<std::string> built = LibraryClassesBuilt();
        return built == expected ? std::string() : "built: " + Joined(built);
    });
}

TEST_F(SpyLibrary, FirstErrorObjectCallsNoEntryAndFindsAllElevenBuilt) {
    ExpectInFreshProcess([] {
        fw::NewObject<NegativeNumberException>();
        std::vector<std::string> expected = {"NegativeNumberException"};
        for (const std::string &name : kAlphabetical)
            if (name != expected.front()) expected.push_back(name);
        const std::vector<std::string> built = LibraryClassesBuilt();
        if (built != expected) return "built: " + Joined(built);
        return spy::Calls().empty() ? std::string() : "entries were called";
    });
}

TEST_F(SpyLibrary, ErrorObjectsReachNoEntry) {
    for (RecordOf recordOf : kErrorClasses) {
        SCOPED_TRACE(recordOf().name);
        fw::Ref<fw::Object> error = fw::RuntimeNewObject(recordOf());
        EXPECT_NE(dynamic_cast<fw::RuntimeException *>(error.get()), nullptr);
        error = nullptr;
        EXPECT_TRUE(spy::Calls().empty());
    }
    for (const std::string &name : kAlphabetical)
        EXPECT_EQ(fw::ClassRegistry::Instance().BuildCount(name), 1) << name;
}

TEST_F(SpyLibrary, MakingAndReleasingAnObjectReachesInitAndExitOnceWithIt) {
    for (const ValueClass &v : kValueClasses) {
        SCOPED_TRACE(v.name);
        spy::Reset();
        fw::Ref<fw::Object> object = fw::RuntimeNewObject(v.recordOf());
        const void *made = object.get();
        object = nullptr;
        ASSERT_EQ(spy::Calls().size(), 2u);
        EXPECT_EQ(spy::Calls()[0].entry, v.initEntry);
        EXPECT_EQ(spy::Calls()[1].entry, v.initEntry + 1);
        EXPECT_EQ(static_cast<const void *>(spy::Calls()[0].receiver), made);
        EXPECT_EQ(static_cast<const void *>(spy::Calls()[1].receiver), made);
    }
}

TEST_F(SpyLibrary, ExhaustedStackStopsTheHooksBeforeTheLibrary) {
    std::vector<std::unique_ptr<fw::StackDepthGuard>> depth;
    try {
        for (;;)
            depth.push_back(std::make_unique<fw::StackDepthGuard>());
    } catch (const fw::Raised &) {
    }
    try {
        fw::NewObject<Matrix>();
        FAIL() << "no exception";
    } catch (const fw::Raised &raised) {
        EXPECT_EQ(raised.Exception()->Class(), &fw::StackOverflowException::ClassRecordOf());
    }
    EXPECT_TRUE(spy::Calls().empty());
}

} // namespace
