#pragma once

#include <functional>
#include <string_view>

#include "framework/object.h"

namespace matrixlib {

namespace detail {
extern bool valueClassesLookedUp;
void LookUpEachValueClass();
} // namespace detail

// Looks up (building where needed) the records of the four value classes,
// Complex, ComplexMatrix, Matrix and Polynomial, in that order. Records are
// never rebuilt, so once all four stand every later look-up finds them: the
// forwarders' look-up on every call is then one test.
inline void LookUpValueClasses() {
    if (!detail::valueClassesLookedUp) detail::LookUpEachValueClass();
}

// Looks up (building where needed) the records of all eleven library classes
// in the alphabetical order of their names.
void LookUpLibraryClasses();

// The record of the library class of that name (looked up, so built on first
// use); null for a name that is not one of the eleven.
const fw::ClassRecord *FindLibraryClass(std::string_view name);
// Likewise for the seven error classes only.
const fw::ClassRecord *FindLibraryErrorClass(std::string_view name);

// Whether the record is that of one of the four value classes, whose objects
// are all LibraryObjects. Builds no record.
bool IsValueClassRecord(const fw::ClassRecord *record);

// Fills the record of a value class whose entries run from its __init hook at
// `initEntry`, its __exit hook next, then its members in class-table order up
// to and including `lastMemberEntry`.
void BuildValueClassRecord(fw::ClassRecord &record, std::function<fw::Object *()> allocate, int initEntry,
                           int lastMemberEntry);

// Fills the record of an error class: creation hook only, empty class table.
void BuildErrorClassRecord(fw::ClassRecord &record, std::function<fw::Object *()> allocate);

} // namespace matrixlib
