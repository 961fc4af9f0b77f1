#include "matrix/entry_table.h"

namespace matrixlib {

namespace {
constexpr const char *kPackage = "ComplexMatrix64";
} // namespace

#define MATRIX_TABLE_ENTRY(index, name, declaration, result, parameters) {declaration, kPackage, kLibraryName, nullptr},
LibraryEntry entryTable[kEntryCount] = {CM_ENTRIES(MATRIX_TABLE_ENTRY)};
#undef MATRIX_TABLE_ENTRY

} // namespace matrixlib
