#pragma once

#include <functional>
#include <string_view>

#include "framework/object.h"

namespace matrixlib {

// Looks up (building where needed) the records of the four value classes,
// Complex, ComplexMatrix, Matrix and Polynomial, in that order.
void LookUpValueClasses();

// Looks up (building where needed) the records of all eleven library classes
// in the alphabetical order of their names.
void LookUpLibraryClasses();

// The record of the library class of that name (looked up, so built on first
// use); null for a name that is not one of the eleven.
const fw::ClassRecord *FindLibraryClass(std::string_view name);
// Likewise for the seven error classes only.
const fw::ClassRecord *FindLibraryErrorClass(std::string_view name);

// Fills the record of a value class whose entries run from its __init hook at
// `initEntry`, its __exit hook next, then its members in class-table order up
// to and including `lastMemberEntry`.
void BuildValueClassRecord(fw::ClassRecord &record, std::function<fw::Object *()> allocate, int initEntry,
                           int lastMemberEntry);

// Fills the record of an error class: creation hook only, empty class table.
void BuildErrorClassRecord(fw::ClassRecord &record, std::function<fw::Object *()> allocate);

} // namespace matrixlib
