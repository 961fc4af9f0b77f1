#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "framework/exceptions.h"
#include "matrix/host_services.h"
#include "matrix/library_errors.h"
#include "matrix/matrix.h"
#include "tests/matrix/spy_library.h"

namespace {

using matrixlib::CallScope;
using matrixlib::HostServices;

const cm_host_api &host = HostServices();

std::string_view Data(const cm_string *string) {
    std::size_t length = 0;
    const char *bytes = host.string_data(string, &length);
    return {bytes, length};
}

TEST(HostServices, TableDeclaresItsVersionAndSize) {
    EXPECT_EQ(host.version, CM_HOST_API_VERSION);
    EXPECT_EQ(host.size, sizeof(cm_host_api));
}

TEST_F(SpyLibrary, NewObjectRunsTheCreationHookAndGivesAnOwnedReference) {
    CallScope scope;
    cm_object *object = host.new_object("Matrix");
    ASSERT_NE(object, nullptr);
    EXPECT_STREQ(host.class_name(object), "Matrix");
    const fw::Object *framework = matrixlib::ObjectFromBoundary(object);
    EXPECT_EQ(framework->ReferenceCount(), 1);
    ASSERT_EQ(spy::Calls().size(), 1u);
    EXPECT_EQ(spy::Calls()[0].entry, 27);

    int contents = 0;
    host.set_data(object, &contents);
    EXPECT_EQ(host.get_data(object), &contents);
    EXPECT_EQ(static_cast<const LibraryObject *>(framework)->LibraryData(), &contents);

    host.retain(object);
    EXPECT_EQ(framework->ReferenceCount(), 2);
    host.release(object);
    host.release(object);
    ASSERT_EQ(spy::Calls().size(), 2u);
    EXPECT_EQ(spy::Calls()[1].entry, 28);
    EXPECT_FALSE(scope.Take());
}

// The class check of every argument: the data only for an object of the
// class whose identity is asked, nothing for nil, another class, an error
// class or a name that is no class.
TEST_F(SpyLibrary, DataOfClassGivesTheDataOnlyForThatClass) {
    CallScope scope;
    const void *matrix = host.class_identity("Matrix");
    const void *complex = host.class_identity("Complex");
    ASSERT_NE(matrix, nullptr);
    ASSERT_NE(complex, nullptr);
    EXPECT_NE(matrix, complex);
    EXPECT_NE(host.class_identity("ComplexMatrix"), nullptr);
    EXPECT_NE(host.class_identity("Polynomial"), nullptr);
    for (const char *notValueClass : {"RowColumnMismatch", "RuntimeException", "Quaternion", "matrix", ""})
        EXPECT_EQ(host.class_identity(notValueClass), nullptr) << notValueClass;
    EXPECT_EQ(host.class_identity(nullptr), nullptr);

    cm_object *m = host.new_object("Matrix");
    cm_object *z = host.new_object("Complex");
    cm_object *again = host.new_object("Matrix");
    ASSERT_TRUE(m && z && again);
    int contents = 0;
    host.set_data(m, &contents);
    EXPECT_EQ(host.data_of_class(m, matrix), &contents);
    EXPECT_EQ(host.data_of_class(m, complex), nullptr);
    EXPECT_EQ(host.data_of_class(nullptr, matrix), nullptr);
    EXPECT_EQ(host.data_of_class(m, nullptr), nullptr);
    EXPECT_EQ(host.data_of_class(again, matrix), nullptr); // no data yet
    EXPECT_EQ(host.class_identity("Matrix"), matrix);

    fw::Ref<fw::Object> error = fw::NewObject<RowColumnMismatch>();
    EXPECT_EQ(host.data_of_class(matrixlib::ObjectToBoundary(error.get()), matrix), nullptr);
    EXPECT_EQ(host.get_data(matrixlib::ObjectToBoundary(error.get())), nullptr);

    for (cm_object *object : {m, z, again})
        host.release(object);
    EXPECT_FALSE(scope.Take());
}

TEST_F(SpyLibrary, NewObjectOfAnUnknownClassRaisesInTheCall) {
    CallScope scope;
    EXPECT_EQ(host.new_object("Quaternion"), nullptr);
    EXPECT_EQ(host.new_object(nullptr), nullptr);
    fw::Ref<fw::RuntimeException> raised = scope.Take();
    ASSERT_TRUE(raised);
    EXPECT_NE(raised->Message.view().find("Quaternion"), std::string_view::npos) << raised->Message;
    EXPECT_TRUE(spy::Calls().empty());
}

TEST_F(SpyLibrary, FailingCreationHookBecomesThePendingException) {
    spy::RaiseAt(60, "NegativeOrZeroException", "bad size");
    CallScope scope;
    EXPECT_EQ(host.new_object("ComplexMatrix"), nullptr);
    fw::Ref<fw::RuntimeException> raised = scope.Take();
    ASSERT_TRUE(raised);
    EXPECT_EQ(raised->Class(), &NegativeOrZeroException::ClassRecordOf());
    EXPECT_EQ(raised->Message, "bad size");
}

TEST(HostServices, StringsKeepTheirBytes) {
    const std::string_view texts[] = {"", "1 2\r3 4\r", "é ∑ 1,234.5", std::string_view("a\0b", 3)};
    for (std::string_view text : texts) {
        cm_string *string = host.new_string(text.data(), text.size());
        ASSERT_NE(string, nullptr);
        EXPECT_EQ(Data(string), text);
        fw::Ref<matrixlib::LibraryString>::Adopt(matrixlib::StringFromBoundary(string));
    }
    EXPECT_EQ(Data(nullptr), "");
}

TEST(HostServices, RaiseMakesAnExceptionOfTheNamedClassAndTheFirstCounts) {
    const char *names[] = {
        "DivideByZeroException",        "NegativeNumberException", "NegativeOrZeroException", "BadEntryNumberException",
        "OverflowOrUnderflowException", "BadArgumentException",    "RowColumnMismatch",       "RuntimeException"};
    for (const char *name : names) {
        CallScope scope;
        host.raise(name, "first");
        host.raise("RowColumnMismatch", "second");
        fw::Ref<fw::RuntimeException> raised = scope.Take();
        ASSERT_TRUE(raised) << name;
        EXPECT_EQ(raised->Class()->name, name);
        EXPECT_EQ(raised->Message, "first");
        EXPECT_FALSE(scope.Take());
    }
}

TEST(HostServices, RaiseOfAnUnknownClassIsARuntimeExceptionNamingIt) {
    CallScope scope;
    host.raise("Matrix", "not an error class");
    fw::Ref<fw::RuntimeException> raised = scope.Take();
    ASSERT_TRUE(raised);
    EXPECT_EQ(raised->Class(), &fw::RuntimeException::ClassRecordOf());
    EXPECT_NE(raised->Message.view().find("Matrix"), std::string_view::npos);
    EXPECT_NE(raised->Message.view().find("not an error class"), std::string_view::npos);
}

TEST(HostServices, InnerCallKeepsItsRaiseToItselfAndTheOuterOneSurvives) {
    host.raise("RowColumnMismatch", "outside every call"); // nobody to give it to
    CallScope outer;
    EXPECT_FALSE(outer.Take());
    host.raise("DivideByZeroException", "outer");
    {
        CallScope inner;
        EXPECT_FALSE(inner.Take());
        host.raise("BadArgumentException", "inner");
        fw::Ref<fw::RuntimeException> raised = inner.Take();
        ASSERT_TRUE(raised);
        EXPECT_EQ(raised->Message, "inner");
    }
    fw::Ref<fw::RuntimeException> raised = outer.Take();
    ASSERT_TRUE(raised);
    EXPECT_EQ(raised->Message, "outer");
}

} // namespace
