#pragma once

#include <cstdint>

#include "framework/object.h"
#include "framework/string.h"
#include "matrix/library_object.h"

class Complex;
class Matrix;

// The matrix library's complex matrix: real and imaginary parts are Matrix
// objects, elements Complex objects. Every member forwards to its entry of
// the library entry table.
class ComplexMatrix : public LibraryObject {
public:
    static const fw::ClassRecord &ClassRecordOf();

    void Constructor();
    void Constructor(int64_t numberOfRows, int64_t numberOfColumns);
    void Constructor(int64_t numberOfRows, int64_t numberOfColumns, const fw::String &ComplexMatrixString);
    fw::String Str();
    fw::String Str2();
    fw::Ref<Matrix> Real();
    fw::Ref<Matrix> Imag();
    fw::Ref<Complex> Element(int64_t rowIndex, int64_t columnIndex);
    fw::Ref<ComplexMatrix> Operator_Negate();

    fw::Ref<ComplexMatrix> Operator_Add(ComplexMatrix *x);
    fw::Ref<ComplexMatrix> Operator_Add(Matrix *x);
    fw::Ref<ComplexMatrix> Operator_AddRight(Matrix *x);
    fw::Ref<ComplexMatrix> Operator_Add(Complex *x);
    fw::Ref<ComplexMatrix> Operator_AddRight(Complex *x);
    fw::Ref<ComplexMatrix> Operator_Add(double x);
    fw::Ref<ComplexMatrix> Operator_AddRight(double x);

    fw::Ref<ComplexMatrix> Operator_Subtract(ComplexMatrix *x);
    fw::Ref<ComplexMatrix> Operator_Subtract(Matrix *x);
    fw::Ref<ComplexMatrix> Operator_SubtractRight(Matrix *x);
    fw::Ref<ComplexMatrix> Operator_Subtract(Complex *x);
    fw::Ref<ComplexMatrix> Operator_SubtractRight(Complex *x);
    fw::Ref<ComplexMatrix> Operator_Subtract(double x);
    fw::Ref<ComplexMatrix> Operator_SubtractRight(double x);

    fw::Ref<ComplexMatrix> Operator_Multiply(ComplexMatrix *x);
    fw::Ref<ComplexMatrix> Operator_Multiply(Matrix *x);
    fw::Ref<ComplexMatrix> Operator_MultiplyRight(Matrix *x);
    fw::Ref<ComplexMatrix> Operator_Multiply(Complex *x);
    fw::Ref<ComplexMatrix> Operator_MultiplyRight(Complex *x);
    fw::Ref<ComplexMatrix> Operator_Multiply(double x);
    fw::Ref<ComplexMatrix> Operator_MultiplyRight(double x);

    fw::Ref<ComplexMatrix> Operator_Divide(ComplexMatrix *x);
    fw::Ref<ComplexMatrix> Operator_Divide(Matrix *x);
    fw::Ref<ComplexMatrix> Operator_DivideRight(Matrix *x);
    fw::Ref<ComplexMatrix> Operator_Divide(Complex *x);
    fw::Ref<ComplexMatrix> Operator_DivideRight(Complex *x);
    fw::Ref<ComplexMatrix> Operator_Divide(double x);
    fw::Ref<ComplexMatrix> Operator_DivideRight(double x);

    int64_t Operator_Compare(ComplexMatrix *x);
    int64_t Operator_Compare(Matrix *x);
    int64_t NumRows();
    int64_t NumColumns();
};
