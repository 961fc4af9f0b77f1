#pragma once

#include "framework/exceptions.h"
#include "framework/object.h"

// The matrix library's error classes. They are raised like any framework
// exception, so in C++ they are RuntimeExceptions; their class records, like
// the library's own, have no base class, an empty class table and a creation
// hook only.
#define MATRIX_LIBRARY_ERROR_CLASS(Name)                                                                               \
    class Name : public fw::RuntimeException {                                                                         \
    public:                                                                                                            \
        static const fw::ClassRecord &ClassRecordOf();                                                                 \
    };

MATRIX_LIBRARY_ERROR_CLASS(DivideByZeroException)
MATRIX_LIBRARY_ERROR_CLASS(NegativeNumberException)
MATRIX_LIBRARY_ERROR_CLASS(NegativeOrZeroException)
MATRIX_LIBRARY_ERROR_CLASS(BadEntryNumberException)
MATRIX_LIBRARY_ERROR_CLASS(OverflowOrUnderflowException)
MATRIX_LIBRARY_ERROR_CLASS(BadArgumentException)
MATRIX_LIBRARY_ERROR_CLASS(RowColumnMismatch)

#undef MATRIX_LIBRARY_ERROR_CLASS
