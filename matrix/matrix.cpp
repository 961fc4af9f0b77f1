#include "matrix/matrix.h"

#include "matrix/class_records.h"
#include "matrix/complex.h"
#include "matrix/complex_matrix.h"
#include "matrix/forwarding.h"

using fw::Ref;
using fw::String;
using matrixlib::Forward;

// The hooks, then the members in class-table order up to NumColumns.
const fw::ClassRecord &Matrix::ClassRecordOf() {
    static const fw::ClassRecord &record = fw::ClassRegistry::Instance().LookUp("Matrix", [](fw::ClassRecord &r) {
        matrixlib::BuildValueClassRecord(r, fw::Allocator<Matrix>(), CM_ENTRY_Matrix_Init, CM_ENTRY_Matrix_NumColumns);
    });
    return record;
}

void Matrix::Constructor() { Forward<CM_ENTRY_Matrix_Constructor, void>(this); }
void Matrix::Constructor(int64_t numberOfRows, int64_t numberOfColumns) {
    Forward<CM_ENTRY_Matrix_Constructor_Shape, void>(this, numberOfRows, numberOfColumns);
}
void Matrix::Constructor(int64_t numberOfRows, int64_t numberOfColumns, const String &matrixString) {
    Forward<CM_ENTRY_Matrix_Constructor_Text, void>(this, numberOfRows, numberOfColumns, matrixString);
}
String Matrix::Str() { return Forward<CM_ENTRY_Matrix_Str, String>(this); }
String Matrix::Str2() { return Forward<CM_ENTRY_Matrix_Str2, String>(this); }
double Matrix::Element(int64_t rowIndex, int64_t columnIndex) {
    return Forward<CM_ENTRY_Matrix_Element, double>(this, rowIndex, columnIndex);
}
Ref<Matrix> Matrix::Operator_Negate() { return Forward<CM_ENTRY_Matrix_Operator_Negate, Ref<Matrix>>(this); }
Ref<Matrix> Matrix::Operator_Add(Matrix *x) {
    return Forward<CM_ENTRY_Matrix_Operator_Add_Matrix, Ref<Matrix>>(this, x);
}
Ref<Matrix> Matrix::Operator_Add(double x) {
    return Forward<CM_ENTRY_Matrix_Operator_Add_Double, Ref<Matrix>>(this, x);
}
Ref<Matrix> Matrix::Operator_AddRight(double x) {
    return Forward<CM_ENTRY_Matrix_Operator_AddRight_Double, Ref<Matrix>>(this, x);
}
Ref<ComplexMatrix> Matrix::Operator_Add(Complex *x) {
    return Forward<CM_ENTRY_Matrix_Operator_Add_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> Matrix::Operator_AddRight(Complex *x) {
    return Forward<CM_ENTRY_Matrix_Operator_AddRight_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<Matrix> Matrix::Operator_Subtract(Matrix *x) {
    return Forward<CM_ENTRY_Matrix_Operator_Subtract_Matrix, Ref<Matrix>>(this, x);
}
Ref<Matrix> Matrix::Operator_Subtract(double x) {
    return Forward<CM_ENTRY_Matrix_Operator_Subtract_Double, Ref<Matrix>>(this, x);
}
Ref<Matrix> Matrix::Operator_SubtractRight(double x) {
    return Forward<CM_ENTRY_Matrix_Operator_SubtractRight_Double, Ref<Matrix>>(this, x);
}
Ref<ComplexMatrix> Matrix::Operator_Subtract(Complex *x) {
    return Forward<CM_ENTRY_Matrix_Operator_Subtract_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> Matrix::Operator_SubtractRight(Complex *x) {
    return Forward<CM_ENTRY_Matrix_Operator_SubtractRight_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<Matrix> Matrix::Operator_Multiply(Matrix *x) {
    return Forward<CM_ENTRY_Matrix_Operator_Multiply_Matrix, Ref<Matrix>>(this, x);
}
Ref<Matrix> Matrix::Operator_Multiply(double x) {
    return Forward<CM_ENTRY_Matrix_Operator_Multiply_Double, Ref<Matrix>>(this, x);
}
Ref<Matrix> Matrix::Operator_MultiplyRight(double x) {
    return Forward<CM_ENTRY_Matrix_Operator_MultiplyRight_Double, Ref<Matrix>>(this, x);
}
Ref<ComplexMatrix> Matrix::Operator_Multiply(Complex *x) {
    return Forward<CM_ENTRY_Matrix_Operator_Multiply_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> Matrix::Operator_MultiplyRight(Complex *x) {
    return Forward<CM_ENTRY_Matrix_Operator_MultiplyRight_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<Matrix> Matrix::Operator_Divide(double x) {
    return Forward<CM_ENTRY_Matrix_Operator_Divide_Double, Ref<Matrix>>(this, x);
}
Ref<Matrix> Matrix::Operator_DivideRight(double x) {
    return Forward<CM_ENTRY_Matrix_Operator_DivideRight_Double, Ref<Matrix>>(this, x);
}
Ref<ComplexMatrix> Matrix::Operator_Divide(Complex *x) {
    return Forward<CM_ENTRY_Matrix_Operator_Divide_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> Matrix::Operator_DivideRight(Complex *x) {
    return Forward<CM_ENTRY_Matrix_Operator_DivideRight_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<Matrix> Matrix::Operator_Divide(Matrix *x) {
    return Forward<CM_ENTRY_Matrix_Operator_Divide_Matrix, Ref<Matrix>>(this, x);
}
int64_t Matrix::Operator_Compare(Matrix *x) {
    return Forward<CM_ENTRY_Matrix_Operator_Compare_Matrix, int64_t>(this, x);
}
int64_t Matrix::Operator_Compare(ComplexMatrix *x) {
    return Forward<CM_ENTRY_Matrix_Operator_Compare_ComplexMatrix, int64_t>(this, x);
}
int64_t Matrix::NumRows() { return Forward<CM_ENTRY_Matrix_NumRows, int64_t>(this); }
int64_t Matrix::NumColumns() { return Forward<CM_ENTRY_Matrix_NumColumns, int64_t>(this); }

int64_t NumRows(Matrix *theMatrix) { return Forward<CM_ENTRY_NumRows, int64_t>(theMatrix); }
int64_t NumColumns(Matrix *theMatrix) { return Forward<CM_ENTRY_NumColumns, int64_t>(theMatrix); }
