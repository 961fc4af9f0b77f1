#include "matrix/class_records.h"

#include <string>

#include "framework/exceptions.h"
#include "matrix/complex.h"
#include "matrix/complex_matrix.h"
#include "matrix/entry_table.h"
#include "matrix/forwarding.h"
#include "matrix/library_errors.h"
#include "matrix/matrix.h"
#include "matrix/polynomial.h"

namespace matrixlib {

namespace {

using RecordOf = const fw::ClassRecord &(*)();

// In the alphabetical order of the class names.
constexpr RecordOf kLibraryClasses[] = {
    &BadArgumentException::ClassRecordOf,
    &BadEntryNumberException::ClassRecordOf,
    &Complex::ClassRecordOf,
    &ComplexMatrix::ClassRecordOf,
    &DivideByZeroException::ClassRecordOf,
    &Matrix::ClassRecordOf,
    &NegativeNumberException::ClassRecordOf,
    &NegativeOrZeroException::ClassRecordOf,
    &OverflowOrUnderflowException::ClassRecordOf,
    &Polynomial::ClassRecordOf,
    &RowColumnMismatch::ClassRecordOf,
};

constexpr std::string_view kLibraryClassNames[] = {
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

// The records of the value classes built so far.
const fw::ClassRecord *valueClassRecords[4] = {};

void RememberValueClassRecord(const fw::ClassRecord &record) {
    for (const fw::ClassRecord *&slot : valueClassRecords) {
        if (!slot) {
            slot = &record;
            return;
        }
    }
}

bool IsValueClass(std::string_view name) {
    return name == "Complex" || name == "ComplexMatrix" || name == "Matrix" || name == "Polynomial";
}

// The member name of a declaration: "Matrix.Element(rowIndex ...) As Double" -> "Element".
std::string MemberName(std::string_view declaration) {
    const auto dot = declaration.find('.');
    const auto open = declaration.find('(', dot);
    return std::string(declaration.substr(dot + 1, open - dot - 1));
}

void CreationHook(fw::Object &object, int initEntry) {
    LookUpLibraryClasses();
    fw::Ref<fw::Object> hold(&object);
    fw::StackDepthGuard depth;
    if (initEntry >= 0) RaisePending(CallEntry<void>(initEntry, static_cast<LibraryObject *>(&object)));
}

void DestructionHook(fw::Object &object, int exitEntry) {
    fw::Ref<fw::Object> hold(&object);
    fw::StackDepthGuard depth;
    RaisePending(CallEntry<void>(exitEntry, static_cast<LibraryObject *>(&object)));
}

} // namespace

bool detail::valueClassesLookedUp = false;

void detail::LookUpEachValueClass() {
    Complex::ClassRecordOf();
    ComplexMatrix::ClassRecordOf();
    Matrix::ClassRecordOf();
    Polynomial::ClassRecordOf();
    valueClassesLookedUp = true;
}

void LookUpLibraryClasses() {
    for (RecordOf recordOf : kLibraryClasses)
        recordOf();
}

const fw::ClassRecord *FindLibraryClass(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kLibraryClasses); ++i)
        if (kLibraryClassNames[i] == name) return &kLibraryClasses[i]();
    return nullptr;
}

const fw::ClassRecord *FindLibraryErrorClass(std::string_view name) {
    return IsValueClass(name) ? nullptr : FindLibraryClass(name);
}

bool IsValueClassRecord(const fw::ClassRecord *record) {
    if (!record) return false;
    for (const fw::ClassRecord *known : valueClassRecords)
        if (known == record) return true;
    return false;
}

void BuildValueClassRecord(fw::ClassRecord &record, std::function<fw::Object *()> allocate, int initEntry,
                           int lastMemberEntry) {
    const int exitEntry = initEntry + 1;
    const int memberCount = lastMemberEntry - exitEntry;
    RememberValueClassRecord(record);
    record.base = nullptr;
    record.allocate = std::move(allocate);
    record.creationHook = [initEntry](fw::Object &object) { CreationHook(object, initEntry); };
    record.destructionHook = [exitEntry](fw::Object &object) { DestructionHook(object, exitEntry); };
    record.methods.push_back({"__init", entryTable[initEntry].declaration, -1, {}});
    record.methods.push_back({"__exit", entryTable[exitEntry].declaration, -1, {}});
    for (int slot = 0; slot < memberCount; ++slot) {
        const char *declaration = entryTable[exitEntry + 1 + slot].declaration;
        record.classTable.push_back(MemberName(declaration));
        record.methods.push_back({record.classTable.back(), declaration, slot, {}});
    }
}

void BuildErrorClassRecord(fw::ClassRecord &record, std::function<fw::Object *()> allocate) {
    record.base = nullptr;
    record.allocate = std::move(allocate);
    record.creationHook = [](fw::Object &object) { CreationHook(object, -1); };
    record.methods.push_back({"__init", record.name + ".__init", -1, {}});
}

} // namespace matrixlib
