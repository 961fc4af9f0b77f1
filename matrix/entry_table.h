#pragma once

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

inline constexpr int kEntryCount = 111;

// Entries 0 NumRows, 1 NumColumns, 2-26 Complex, 27-59 Matrix,
// 60-102 ComplexMatrix, 103-110 Polynomial; each class's run opens with its
// __init and __exit hooks and goes on with its members in class-table order.
extern LibraryEntry entryTable[kEntryCount];

// The library's file name as the table gives it.
inline constexpr const char *kLibraryName = "libComplexMatrix64.dylib";

} // namespace matrixlib
