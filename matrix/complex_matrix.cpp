#include "matrix/complex_matrix.h"

#include "matrix/class_records.h"
#include "matrix/complex.h"
#include "matrix/forwarding.h"
#include "matrix/matrix.h"

using fw::Ref;
using fw::String;
using matrixlib::Forward;

// The hooks, then the members in class-table order up to NumColumns.
const fw::ClassRecord &ComplexMatrix::ClassRecordOf() {
    static const fw::ClassRecord &record =
        fw::ClassRegistry::Instance().LookUp("ComplexMatrix", [](fw::ClassRecord &r) {
            matrixlib::BuildValueClassRecord(r, fw::Allocator<ComplexMatrix>(), CM_ENTRY_ComplexMatrix_Init,
                                             CM_ENTRY_ComplexMatrix_NumColumns);
        });
    return record;
}

void ComplexMatrix::Constructor() { Forward<CM_ENTRY_ComplexMatrix_Constructor, void>(this); }
void ComplexMatrix::Constructor(int64_t numberOfRows, int64_t numberOfColumns) {
    Forward<CM_ENTRY_ComplexMatrix_Constructor_Shape, void>(this, numberOfRows, numberOfColumns);
}
void ComplexMatrix::Constructor(int64_t numberOfRows, int64_t numberOfColumns, const String &ComplexMatrixString) {
    Forward<CM_ENTRY_ComplexMatrix_Constructor_Text, void>(this, numberOfRows, numberOfColumns, ComplexMatrixString);
}
String ComplexMatrix::Str() { return Forward<CM_ENTRY_ComplexMatrix_Str, String>(this); }
String ComplexMatrix::Str2() { return Forward<CM_ENTRY_ComplexMatrix_Str2, String>(this); }
Ref<Matrix> ComplexMatrix::Real() { return Forward<CM_ENTRY_ComplexMatrix_Real, Ref<Matrix>>(this); }
Ref<Matrix> ComplexMatrix::Imag() { return Forward<CM_ENTRY_ComplexMatrix_Imag, Ref<Matrix>>(this); }
Ref<Complex> ComplexMatrix::Element(int64_t rowIndex, int64_t columnIndex) {
    return Forward<CM_ENTRY_ComplexMatrix_Element, Ref<Complex>>(this, rowIndex, columnIndex);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Negate() {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Negate, Ref<ComplexMatrix>>(this);
}

// The operator overloads: seven per operator.
Ref<ComplexMatrix> ComplexMatrix::Operator_Add(ComplexMatrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Add_ComplexMatrix, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Add(Matrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Add_Matrix, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_AddRight(Matrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_AddRight_Matrix, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Add(Complex *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Add_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_AddRight(Complex *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_AddRight_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Add(double x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Add_Double, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_AddRight(double x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_AddRight_Double, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Subtract(ComplexMatrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Subtract_ComplexMatrix, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Subtract(Matrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Subtract_Matrix, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_SubtractRight(Matrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_SubtractRight_Matrix, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Subtract(Complex *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Subtract_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_SubtractRight(Complex *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_SubtractRight_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Subtract(double x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Subtract_Double, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_SubtractRight(double x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_SubtractRight_Double, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Multiply(ComplexMatrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Multiply_ComplexMatrix, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Multiply(Matrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Multiply_Matrix, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_MultiplyRight(Matrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_MultiplyRight_Matrix, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Multiply(Complex *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Multiply_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_MultiplyRight(Complex *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_MultiplyRight_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Multiply(double x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Multiply_Double, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_MultiplyRight(double x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_MultiplyRight_Double, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Divide(ComplexMatrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Divide_ComplexMatrix, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Divide(Matrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Divide_Matrix, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_DivideRight(Matrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_DivideRight_Matrix, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Divide(Complex *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Divide_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_DivideRight(Complex *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_DivideRight_Complex, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Divide(double x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Divide_Double, Ref<ComplexMatrix>>(this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_DivideRight(double x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_DivideRight_Double, Ref<ComplexMatrix>>(this, x);
}

int64_t ComplexMatrix::Operator_Compare(ComplexMatrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Compare_ComplexMatrix, int64_t>(this, x);
}
int64_t ComplexMatrix::Operator_Compare(Matrix *x) {
    return Forward<CM_ENTRY_ComplexMatrix_Operator_Compare_Matrix, int64_t>(this, x);
}
int64_t ComplexMatrix::NumRows() { return Forward<CM_ENTRY_ComplexMatrix_NumRows, int64_t>(this); }
int64_t ComplexMatrix::NumColumns() { return Forward<CM_ENTRY_ComplexMatrix_NumColumns, int64_t>(this); }
