#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "framework/exceptions.h"
#include "matrix/complex.h"
#include "matrix/complex_matrix.h"
#include "matrix/entry_table.h"
#include "matrix/forwarding.h"
#include "matrix/library_errors.h"
#include "matrix/matrix.h"
#include "matrix/polynomial.h"
#include "tests/matrix/spy_library.h"

namespace {

using fw::Ref;

const void *Address(const fw::Object *object) { return object; }

// One object of each value class, made through the framework as the program does.
struct Objects {
    Ref<Matrix> m = fw::NewObject<Matrix>();
    Ref<Complex> c = fw::NewObject<Complex>();
    Ref<ComplexMatrix> cm = fw::NewObject<ComplexMatrix>();
    Ref<Polynomial> p = fw::NewObject<Polynomial>();

    // The object an entry is called on: the matrix for the global functions.
    const void *ReceiverOf(int entry) const {
        if (entry < 2) return Address(m.get());
        if (entry < 27) return Address(c.get());
        if (entry < 60) return Address(m.get());
        if (entry < 103) return Address(cm.get());
        return Address(p.get());
    }
};

std::string Text(const fw::Object *object) { return spy::ObjectText(object); }

// Restores an entry's code pointer when the test ends.
class EntryCodeGuard {
public:
    explicit EntryCodeGuard(int entry) : entry_(entry), saved_(matrixlib::entryTable[entry].code) {}
    ~EntryCodeGuard() { matrixlib::entryTable[entry_].code = saved_; }

private:
    int entry_;
    void *saved_;
};

TEST_F(SpyLibrary, EveryForwarderAndHookReachesItsOwnEntryOnceWithItsArguments) {
    {
        Objects o;
        Matrix *m = o.m.get();
        Complex *c = o.c.get();
        ComplexMatrix *cm = o.cm.get();
        Polynomial *p = o.p.get();
        const std::string M = Text(m), C = Text(c), CM = Text(cm);

        struct Row {
            int entry;
            std::function<void()> call;
            std::vector<std::string> args;
        };
        const Row rows[] = {
            {0, [&] { NumRows(m); }, {}},
            {1, [&] { NumColumns(m); }, {}},
            {4, [&] { c->Real(); }, {}},
            {5, [&] { c->Imag(); }, {}},
            {6, [&] { c->Str(); }, {}},
            {7, [&] { c->Str2(); }, {}},
            {8, [&] { c->Str2EE(); }, {}},
            {9, [&] { c->Constructor(); }, {}},
            {10, [&] { c->Constructor(1.5, -2.25); }, {"1.5", "-2.25"}},
            {11, [&] { c->Constructor(0.5); }, {"0.5"}},
            {12, [&] { c->Constructor(fw::String("3 - 4i é")); }, {"3 - 4i é"}},
            {13, [&] { c->Operator_Negate(); }, {}},
            {14, [&] { c->Operator_Add(c); }, {C}},
            {15, [&] { c->Operator_Add(1.5); }, {"1.5"}},
            {16, [&] { c->Operator_AddRight(2.5); }, {"2.5"}},
            {17, [&] { c->Operator_Subtract(c); }, {C}},
            {18, [&] { c->Operator_Subtract(3.5); }, {"3.5"}},
            {19, [&] { c->Operator_SubtractRight(4.5); }, {"4.5"}},
            {20, [&] { c->Operator_Multiply(c); }, {C}},
            {21, [&] { c->Operator_Multiply(5.5); }, {"5.5"}},
            {22, [&] { c->Operator_MultiplyRight(6.5); }, {"6.5"}},
            {23, [&] { c->Operator_Divide(c); }, {C}},
            {24, [&] { c->Operator_Divide(7.5); }, {"7.5"}},
            {25, [&] { c->Operator_DivideRight(8.5); }, {"8.5"}},
            {26, [&] { c->Operator_Compare(c); }, {C}},

            {29, [&] { m->Constructor(); }, {}},
            {30, [&] { m->Constructor(3, 2); }, {"3", "2"}},
            {31, [&] { m->Constructor(2, 2, "1 2\r3 4\r"); }, {"2", "2", "1 2\r3 4\r"}},
            {32, [&] { m->Str(); }, {}},
            {33, [&] { m->Str2(); }, {}},
            {34, [&] { m->Element(4, -1); }, {"4", "-1"}},
            {35, [&] { m->Operator_Negate(); }, {}},
            {36, [&] { m->Operator_Add(m); }, {M}},
            {37, [&] { m->Operator_Add(1.25); }, {"1.25"}},
            {38, [&] { m->Operator_AddRight(2.25); }, {"2.25"}},
            {39, [&] { m->Operator_Add(c); }, {C}},
            {40, [&] { m->Operator_AddRight(c); }, {C}},
            {41, [&] { m->Operator_Subtract(m); }, {M}},
            {42, [&] { m->Operator_Subtract(3.25); }, {"3.25"}},
            {43, [&] { m->Operator_SubtractRight(4.25); }, {"4.25"}},
            {44, [&] { m->Operator_Subtract(c); }, {C}},
            {45, [&] { m->Operator_SubtractRight(c); }, {C}},
            {46, [&] { m->Operator_Multiply(m); }, {M}},
            {47, [&] { m->Operator_Multiply(5.25); }, {"5.25"}},
            {48, [&] { m->Operator_MultiplyRight(6.25); }, {"6.25"}},
            {49, [&] { m->Operator_Multiply(c); }, {C}},
            {50, [&] { m->Operator_MultiplyRight(c); }, {C}},
            {51, [&] { m->Operator_Divide(7.25); }, {"7.25"}},
            {52, [&] { m->Operator_DivideRight(8.25); }, {"8.25"}},
            {53, [&] { m->Operator_Divide(c); }, {C}},
            {54, [&] { m->Operator_DivideRight(c); }, {C}},
            {55, [&] { m->Operator_Divide(m); }, {M}},
            {56, [&] { m->Operator_Compare(m); }, {M}},
            {57, [&] { m->Operator_Compare(cm); }, {CM}},
            {58, [&] { m->NumRows(); }, {}},
            {59, [&] { m->NumColumns(); }, {}},

            {62, [&] { cm->Constructor(); }, {}},
            {63, [&] { cm->Constructor(5, 6); }, {"5", "6"}},
            {64, [&] { cm->Constructor(1, 2, "1+2i 3\r"); }, {"1", "2", "1+2i 3\r"}},
            {65, [&] { cm->Str(); }, {}},
            {66, [&] { cm->Str2(); }, {}},
            {67, [&] { cm->Real(); }, {}},
            {68, [&] { cm->Imag(); }, {}},
            {69, [&] { cm->Element(7, 8); }, {"7", "8"}},
            {70, [&] { cm->Operator_Negate(); }, {}},
            {71, [&] { cm->Operator_Add(cm); }, {CM}},
            {72, [&] { cm->Operator_Add(m); }, {M}},
            {73, [&] { cm->Operator_AddRight(m); }, {M}},
            {74, [&] { cm->Operator_Add(c); }, {C}},
            {75, [&] { cm->Operator_AddRight(c); }, {C}},
            {76, [&] { cm->Operator_Add(0.125); }, {"0.125"}},
            {77, [&] { cm->Operator_AddRight(1.125); }, {"1.125"}},
            {78, [&] { cm->Operator_Subtract(cm); }, {CM}},
            {79, [&] { cm->Operator_Subtract(m); }, {M}},
            {80, [&] { cm->Operator_SubtractRight(m); }, {M}},
            {81, [&] { cm->Operator_Subtract(c); }, {C}},
            {82, [&] { cm->Operator_SubtractRight(c); }, {C}},
            {83, [&] { cm->Operator_Subtract(2.125); }, {"2.125"}},
            {84, [&] { cm->Operator_SubtractRight(3.125); }, {"3.125"}},
            {85, [&] { cm->Operator_Multiply(cm); }, {CM}},
            {86, [&] { cm->Operator_Multiply(m); }, {M}},
            {87, [&] { cm->Operator_MultiplyRight(m); }, {M}},
            {88, [&] { cm->Operator_Multiply(c); }, {C}},
            {89, [&] { cm->Operator_MultiplyRight(c); }, {C}},
            {90, [&] { cm->Operator_Multiply(4.125); }, {"4.125"}},
            {91, [&] { cm->Operator_MultiplyRight(5.125); }, {"5.125"}},
            {92, [&] { cm->Operator_Divide(cm); }, {CM}},
            {93, [&] { cm->Operator_Divide(m); }, {M}},
            {94, [&] { cm->Operator_DivideRight(m); }, {M}},
            {95, [&] { cm->Operator_Divide(c); }, {C}},
            {96, [&] { cm->Operator_DivideRight(c); }, {C}},
            {97, [&] { cm->Operator_Divide(6.125); }, {"6.125"}},
            {98, [&] { cm->Operator_DivideRight(7.125); }, {"7.125"}},
            {99, [&] { cm->Operator_Compare(cm); }, {CM}},
            {100, [&] { cm->Operator_Compare(m); }, {M}},
            {101, [&] { cm->NumRows(); }, {}},
            {102, [&] { cm->NumColumns(); }, {}},

            {105, [&] { p->Constructor(); }, {}},
            {106, [&] { p->Constructor(3, "1 2 3"); }, {"3", "1 2 3"}},
            {107, [&] { p->Str(); }, {}},
            {108, [&] { p->Coeff(9); }, {"9"}},
            {109, [&] { p->SetCoeff(10, c); }, {"10", C}},
            {110, [&] { p->SetCoeff(11, 1.5, -0.75); }, {"11", "1.5", "-0.75"}},
        };
        for (const Row &row : rows) {
            const std::size_t before = spy::Calls().size();
            row.call();
            ASSERT_EQ(spy::Calls().size(), before + 1) << spy::Declaration(row.entry);
            const spy::Call &call = spy::Calls().back();
            EXPECT_EQ(call.entry, row.entry)
                << "expected " << spy::Declaration(row.entry) << ", reached " << spy::Declaration(call.entry);
            EXPECT_EQ(call.args, row.args) << spy::Declaration(row.entry);
        }
        for (const spy::Call &call : spy::Calls())
            EXPECT_EQ(static_cast<const void *>(call.receiver), o.ReceiverOf(call.entry))
                << spy::Declaration(call.entry);
    }
    // Releasing the four objects ran their __exit entries.
    std::array<int, matrixlib::kEntryCount> times{};
    for (const spy::Call &call : spy::Calls())
        ++times.at(call.entry);
    for (int entry = 0; entry < matrixlib::kEntryCount; ++entry)
        EXPECT_EQ(times[entry], 1) << spy::Declaration(entry);
}

TEST_F(SpyLibrary, ResultsReachTheCallerUnchanged) {
    Objects o;
    EXPECT_EQ(NumRows(o.m.get()), 1000);
    EXPECT_EQ(NumColumns(o.m.get()), 1001);
    EXPECT_EQ(o.m->NumColumns(), 1059);
    EXPECT_EQ(o.m->Element(0, 0), 34.25);
    EXPECT_EQ(o.c->Imag(), 5.25);
    EXPECT_EQ(o.m->Str(), "spy 32");
    EXPECT_EQ(o.p->Str(), "spy 107");
    EXPECT_EQ(o.cm->Operator_Compare(o.m.get()), 1100);
    EXPECT_FALSE(o.m->Operator_Negate()); // the library gave nil
}

TEST_F(SpyLibrary, ObjectResultKeepsTheLibrarysReferenceOnly) {
    Objects o;
    spy::ReturnNewAt(46, "Matrix");
    Ref<Matrix> product = o.m->Operator_Multiply(o.m.get());
    ASSERT_TRUE(product);
    EXPECT_NE(product.get(), o.m.get());
    EXPECT_EQ(product->Class(), &Matrix::ClassRecordOf());
    EXPECT_EQ(product->ReferenceCount(), 1);
    EXPECT_EQ(o.m->ReferenceCount(), 1);

    const void *made = Address(product.get());
    const std::size_t before = spy::Calls().size();
    product = nullptr;
    ASSERT_EQ(spy::Calls().size(), before + 1);
    EXPECT_EQ(spy::Calls().back().entry, 28);
    EXPECT_EQ(static_cast<const void *>(spy::Calls().back().receiver), made);
}

TEST_F(SpyLibrary, ResultOfAnotherClassIsRefusedAndReleased) {
    Objects o;
    spy::ReturnNewAt(67, "Complex"); // ComplexMatrix.Real gives a Matrix
    try {
        o.cm->Real();
        FAIL() << "no exception";
    } catch (const fw::Raised &raised) {
        EXPECT_EQ(raised.Exception()->Class(), &fw::IllegalCastException::ClassRecordOf());
        EXPECT_NE(raised.Describe().find(matrixlib::entryTable[67].declaration), std::string::npos)
            << raised.Describe();
    }
    // The stray Complex was made (__init) and released again (__exit).
    ASSERT_GE(spy::Calls().size(), 2u);
    EXPECT_EQ(spy::Calls()[spy::Calls().size() - 2].entry, 2);
    EXPECT_EQ(spy::Calls().back().entry, 3);
}

struct RaiseCase {
    const char *className;
    bool (*isThatType)(const fw::RuntimeException *);
};

template <class E> bool IsA(const fw::RuntimeException *e) { return dynamic_cast<const E *>(e) != nullptr; }

TEST_F(SpyLibrary, LibraryRaiseReachesTheCallerAsThatClassAndReleasesTheArguments) {
    const RaiseCase cases[] = {
        {"DivideByZeroException", IsA<DivideByZeroException>},
        {"NegativeNumberException", IsA<NegativeNumberException>},
        {"NegativeOrZeroException", IsA<NegativeOrZeroException>},
        {"BadEntryNumberException", IsA<BadEntryNumberException>},
        {"OverflowOrUnderflowException", IsA<OverflowOrUnderflowException>},
        {"BadArgumentException", IsA<BadArgumentException>},
        {"RowColumnMismatch", IsA<RowColumnMismatch>},
        {"RuntimeException", IsA<fw::RuntimeException>},
    };
    Objects o;
    for (const RaiseCase &c : cases) {
        SCOPED_TRACE(c.className);
        spy::RaiseAt(46, c.className, "the factors do not fit");
        try {
            o.m->Operator_Multiply(o.m.get());
            ADD_FAILURE() << "no exception";
        } catch (const fw::Raised &raised) {
            const fw::RuntimeException *e = raised.Exception().get();
            EXPECT_EQ(e->Class()->name, c.className);
            EXPECT_TRUE(c.isThatType(e));
            EXPECT_EQ(e->Message, "the factors do not fit");
        }
        EXPECT_EQ(o.m->ReferenceCount(), 1);
    }
}

TEST_F(SpyLibrary, CallThatRaisedGivesTheEmptyResultAndLeavesNoReferences) {
    Objects o;
    const fw::String text = "1 2\r";
    for (int entry : {0, 34, 35, 32, 31})
        spy::RaiseAt(entry, "BadEntryNumberException", "no such entry");

    auto integer = matrixlib::CallEntry<int64_t>(0, o.m.get());
    auto number = matrixlib::CallEntry<double>(34, o.m.get(), int64_t{5}, int64_t{5});
    auto object = matrixlib::CallEntry<Ref<Matrix>>(35, o.m.get());
    auto string = matrixlib::CallEntry<fw::String>(32, o.m.get());
    auto nothing = matrixlib::CallEntry<void>(31, o.m.get(), int64_t{1}, int64_t{2}, text);

    EXPECT_EQ(integer.value, 0); // the library answered 7, 7.5 and a junk pointer
    EXPECT_EQ(number.value, 0.0);
    EXPECT_FALSE(object.value);
    EXPECT_EQ(string.value, "");
    for (auto *raised : {&integer.raised, &number.raised, &object.raised, &string.raised, &nothing.raised}) {
        ASSERT_TRUE(*raised);
        EXPECT_EQ((*raised)->Class(), &BadEntryNumberException::ClassRecordOf());
    }
    EXPECT_EQ(o.m->ReferenceCount(), 1);
    EXPECT_EQ(spy::Calls().back().args, (std::vector<std::string>{"1", "2", "1 2\r"}));
}

TEST_F(SpyLibrary, RaiseWhileTheLibraryMakesAnObjectReachesTheOuterCaller) {
    Objects o;
    spy::ReturnNewAt(35, "Matrix");
    spy::RaiseAt(27, "OverflowOrUnderflowException", "no room"); // the __init hook of the new Matrix
    try {
        o.m->Operator_Negate();
        FAIL() << "no exception";
    } catch (const fw::Raised &raised) {
        EXPECT_EQ(raised.Exception()->Class(), &OverflowOrUnderflowException::ClassRecordOf());
        EXPECT_EQ(raised.Exception()->Message, "no room");
    }
    EXPECT_EQ(o.m->ReferenceCount(), 1);
}

TEST_F(SpyLibrary, UnboundEntryIsNeverEntered) {
    struct Case {
        int entry;
        std::function<void(Objects &)> call;
    };
    const Case cases[] = {
        {0, [](Objects &o) { NumRows(o.m.get()); }},
        {34, [](Objects &o) { o.m->Element(0, 0); }},
        {109, [](Objects &o) { o.p->SetCoeff(0, o.c.get()); }},
        {103, [](Objects &) { fw::NewObject<Polynomial>(); }}, // the creation hook's entry
    };
    Objects o;
    for (const Case &c : cases) {
        const std::string declaration = matrixlib::entryTable[c.entry].declaration;
        SCOPED_TRACE(declaration);
        EntryCodeGuard guard(c.entry);
        matrixlib::entryTable[c.entry].code = nullptr;
        const std::size_t before = spy::Calls().size();
        try {
            c.call(o);
            ADD_FAILURE() << "no exception";
        } catch (const fw::Raised &raised) {
            EXPECT_NE(raised.Describe().find(declaration), std::string::npos) << raised.Describe();
        }
        for (std::size_t i = before; i < spy::Calls().size(); ++i)
            EXPECT_NE(spy::Calls()[i].entry, c.entry);
    }
}

TEST_F(SpyLibrary, NilObjectArgumentIsRefusedBeforeTheLibrary) {
    Objects o;
    const std::size_t before = spy::Calls().size();
    EXPECT_THROW(NumRows(nullptr), fw::Raised);
    try {
        o.m->Operator_Multiply(static_cast<Matrix *>(nullptr));
        FAIL() << "no exception";
    } catch (const fw::Raised &raised) {
        EXPECT_EQ(raised.Exception()->Class(), &fw::NilObjectException::ClassRecordOf());
        EXPECT_NE(raised.Describe().find(matrixlib::entryTable[46].declaration), std::string::npos);
    }
    EXPECT_EQ(spy::Calls().size(), before);
    EXPECT_EQ(o.m->ReferenceCount(), 1);
}

} // namespace
