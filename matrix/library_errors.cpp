#include "matrix/library_errors.h"

#include "matrix/class_records.h"

#define MATRIX_DEFINE_LIBRARY_ERROR_CLASS(Name)                                                                        \
    const fw::ClassRecord &Name::ClassRecordOf() {                                                                     \
        static const fw::ClassRecord &record = fw::ClassRegistry::Instance().LookUp(                                   \
            #Name, [](fw::ClassRecord &r) { matrixlib::BuildErrorClassRecord(r, fw::Allocator<Name>()); });            \
        return record;                                                                                                 \
    }

MATRIX_DEFINE_LIBRARY_ERROR_CLASS(DivideByZeroException)
MATRIX_DEFINE_LIBRARY_ERROR_CLASS(NegativeNumberException)
MATRIX_DEFINE_LIBRARY_ERROR_CLASS(NegativeOrZeroException)
MATRIX_DEFINE_LIBRARY_ERROR_CLASS(BadEntryNumberException)
MATRIX_DEFINE_LIBRARY_ERROR_CLASS(OverflowOrUnderflowException)
MATRIX_DEFINE_LIBRARY_ERROR_CLASS(BadArgumentException)
MATRIX_DEFINE_LIBRARY_ERROR_CLASS(RowColumnMismatch)
