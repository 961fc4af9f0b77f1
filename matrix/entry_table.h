#pragma once

#include "complexmatrix_entries.h"

namespace matrixlib {

// One entry of the library entry table: the declaration text by which the
// library offers the function, the plug-in package and library it comes from,
// and the function itself once the binding step has found it.
struct LibraryEntry {
    const char *declaration;
    const char *package;
    const char *library;
    void *code; // null until bound
};

inline constexpr int kEntryCount = CM_ENTRY_COUNT;

// One entry per entry of the library's list (complexmatrix_entries.h), in
// its order; CM_ENTRY_<name> is an entry's index here.
extern LibraryEntry entryTable[kEntryCount];

// The library's file name as the table gives it.
inline constexpr const char *kLibraryName = "libComplexMatrix64.dylib";

} // namespace matrixlib
