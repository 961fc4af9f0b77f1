#pragma once

#include <cstdint>

#include "framework/object.h"
#include "framework/string.h"
#include "matrix/library_object.h"

class Complex;
class ComplexMatrix;

// The matrix library's real matrix. Every member forwards to its entry of the
// library entry table; the library holds the values.
class Matrix : public LibraryObject {
public:
    static const fw::ClassRecord &ClassRecordOf();

    void Constructor();
    void Constructor(int64_t numberOfRows, int64_t numberOfColumns);
    void Constructor(int64_t numberOfRows, int64_t numberOfColumns, const fw::String &matrixString);
    fw::String Str();
    fw::String Str2();
    double Element(int64_t rowIndex, int64_t columnIndex);
    fw::Ref<Matrix> Operator_Negate();
    fw::Ref<Matrix> Operator_Add(Matrix *x);
    fw::Ref<Matrix> Operator_Add(double x);
    fw::Ref<Matrix> Operator_AddRight(double x);
    fw::Ref<ComplexMatrix> Operator_Add(Complex *x);
    fw::Ref<ComplexMatrix> Operator_AddRight(Complex *x);
    fw::Ref<Matrix> Operator_Subtract(Matrix *x);
    fw::Ref<Matrix> Operator_Subtract(double x);
    fw::Ref<Matrix> Operator_SubtractRight(double x);
    fw::Ref<ComplexMatrix> Operator_Subtract(Complex *x);
    fw::Ref<ComplexMatrix> Operator_SubtractRight(Complex *x);
    fw::Ref<Matrix> Operator_Multiply(Matrix *x);
    fw::Ref<Matrix> Operator_Multiply(double x);
    fw::Ref<Matrix> Operator_MultiplyRight(double x);
    fw::Ref<ComplexMatrix> Operator_Multiply(Complex *x);
    fw::Ref<ComplexMatrix> Operator_MultiplyRight(Complex *x);
    fw::Ref<Matrix> Operator_Divide(double x);
    fw::Ref<Matrix> Operator_DivideRight(double x);
    fw::Ref<ComplexMatrix> Operator_Divide(Complex *x);
    fw::Ref<ComplexMatrix> Operator_DivideRight(Complex *x);
    fw::Ref<Matrix> Operator_Divide(Matrix *x);
    int64_t Operator_Compare(Matrix *x);
    int64_t Operator_Compare(ComplexMatrix *x);
    int64_t NumRows();
    int64_t NumColumns();
};

// The library's module-level functions: the rows and columns it read.
int64_t NumRows(Matrix *theMatrix);
int64_t NumColumns(Matrix *theMatrix);
