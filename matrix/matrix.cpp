#include "matrix/matrix.h"

#include "matrix/class_records.h"
#include "matrix/complex.h"
#include "matrix/complex_matrix.h"
#include "matrix/forwarding.h"

using fw::Ref;
using fw::String;
using matrixlib::Forward;

// Entries 27 (__init) and 28 (__exit), then the 31 members from entry 29.
const fw::ClassRecord &Matrix::ClassRecordOf() {
    static const fw::ClassRecord &record = fw::ClassRegistry::Instance().LookUp(
        "Matrix", [](fw::ClassRecord &r) { matrixlib::BuildValueClassRecord(r, fw::Allocator<Matrix>(), 27, 31); });
    return record;
}

void Matrix::Constructor() { Forward<void>(29, this); }
void Matrix::Constructor(int64_t numberOfRows, int64_t numberOfColumns) {
    Forward<void>(30, this, numberOfRows, numberOfColumns);
}
void Matrix::Constructor(int64_t numberOfRows, int64_t numberOfColumns, const String &matrixString) {
    Forward<void>(31, this, numberOfRows, numberOfColumns, matrixString);
}
String Matrix::Str() { return Forward<String>(32, this); }
String Matrix::Str2() { return Forward<String>(33, this); }
double Matrix::Element(int64_t rowIndex, int64_t columnIndex) {
    return Forward<double>(34, this, rowIndex, columnIndex);
}
Ref<Matrix> Matrix::Operator_Negate() { return Forward<Ref<Matrix>>(35, this); }
Ref<Matrix> Matrix::Operator_Add(Matrix *x) { return Forward<Ref<Matrix>>(36, this, x); }
Ref<Matrix> Matrix::Operator_Add(double x) { return Forward<Ref<Matrix>>(37, this, x); }
Ref<Matrix> Matrix::Operator_AddRight(double x) { return Forward<Ref<Matrix>>(38, this, x); }
Ref<ComplexMatrix> Matrix::Operator_Add(Complex *x) { return Forward<Ref<ComplexMatrix>>(39, this, x); }
Ref<ComplexMatrix> Matrix::Operator_AddRight(Complex *x) { return Forward<Ref<ComplexMatrix>>(40, this, x); }
Ref<Matrix> Matrix::Operator_Subtract(Matrix *x) { return Forward<Ref<Matrix>>(41, this, x); }
Ref<Matrix> Matrix::Operator_Subtract(double x) { return Forward<Ref<Matrix>>(42, this, x); }
Ref<Matrix> Matrix::Operator_SubtractRight(double x) { return Forward<Ref<Matrix>>(43, this, x); }
Ref<ComplexMatrix> Matrix::Operator_Subtract(Complex *x) { return Forward<Ref<ComplexMatrix>>(44, this, x); }
Ref<ComplexMatrix> Matrix::Operator_SubtractRight(Complex *x) { return Forward<Ref<ComplexMatrix>>(45, this, x); }
Ref<Matrix> Matrix::Operator_Multiply(Matrix *x) { return Forward<Ref<Matrix>>(46, this, x); }
Ref<Matrix> Matrix::Operator_Multiply(double x) { return Forward<Ref<Matrix>>(47, this, x); }
Ref<Matrix> Matrix::Operator_MultiplyRight(double x) { return Forward<Ref<Matrix>>(48, this, x); }
Ref<ComplexMatrix> Matrix::Operator_Multiply(Complex *x) { return Forward<Ref<ComplexMatrix>>(49, this, x); }
Ref<ComplexMatrix> Matrix::Operator_MultiplyRight(Complex *x) { return Forward<Ref<ComplexMatrix>>(50, this, x); }
Ref<Matrix> Matrix::Operator_Divide(double x) { return Forward<Ref<Matrix>>(51, this, x); }
Ref<Matrix> Matrix::Operator_DivideRight(double x) { return Forward<Ref<Matrix>>(52, this, x); }
Ref<ComplexMatrix> Matrix::Operator_Divide(Complex *x) { return Forward<Ref<ComplexMatrix>>(53, this, x); }
Ref<ComplexMatrix> Matrix::Operator_DivideRight(Complex *x) { return Forward<Ref<ComplexMatrix>>(54, this, x); }
Ref<Matrix> Matrix::Operator_Divide(Matrix *x) { return Forward<Ref<Matrix>>(55, this, x); }
int64_t Matrix::Operator_Compare(Matrix *x) { return Forward<int64_t>(56, this, x); }
int64_t Matrix::Operator_Compare(ComplexMatrix *x) { return Forward<int64_t>(57, this, x); }
int64_t Matrix::NumRows() { return Forward<int64_t>(58, this); }
int64_t Matrix::NumColumns() { return Forward<int64_t>(59, this); }

int64_t NumRows(Matrix *theMatrix) { return Forward<int64_t>(0, theMatrix); }
int64_t NumColumns(Matrix *theMatrix) { return Forward<int64_t>(1, theMatrix); }
