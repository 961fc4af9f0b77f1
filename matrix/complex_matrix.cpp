#include "matrix/complex_matrix.h"

#include "matrix/class_records.h"
#include "matrix/complex.h"
#include "matrix/forwarding.h"
#include "matrix/matrix.h"

using fw::Ref;
using fw::String;
using matrixlib::Forward;

// Entries 60 (__init) and 61 (__exit), then the 41 members from entry 62.
const fw::ClassRecord &ComplexMatrix::ClassRecordOf() {
    static const fw::ClassRecord &record =
        fw::ClassRegistry::Instance().LookUp("ComplexMatrix", [](fw::ClassRecord &r) {
            matrixlib::BuildValueClassRecord(r, fw::Allocator<ComplexMatrix>(), 60, 41);
        });
    return record;
}

void ComplexMatrix::Constructor() { Forward<void>(62, this); }
void ComplexMatrix::Constructor(int64_t numberOfRows, int64_t numberOfColumns) {
    Forward<void>(63, this, numberOfRows, numberOfColumns);
}
void ComplexMatrix::Constructor(int64_t numberOfRows, int64_t numberOfColumns, const String &ComplexMatrixString) {
    Forward<void>(64, this, numberOfRows, numberOfColumns, ComplexMatrixString);
}
String ComplexMatrix::Str() { return Forward<String>(65, this); }
String ComplexMatrix::Str2() { return Forward<String>(66, this); }
Ref<Matrix> ComplexMatrix::Real() { return Forward<Ref<Matrix>>(67, this); }
Ref<Matrix> ComplexMatrix::Imag() { return Forward<Ref<Matrix>>(68, this); }
Ref<Complex> ComplexMatrix::Element(int64_t rowIndex, int64_t columnIndex) {
    return Forward<Ref<Complex>>(69, this, rowIndex, columnIndex);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Negate() { return Forward<Ref<ComplexMatrix>>(70, this); }

// The operator overloads, entries 71 to 98: seven per operator.
Ref<ComplexMatrix> ComplexMatrix::Operator_Add(ComplexMatrix *x) { return Forward<Ref<ComplexMatrix>>(71, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_Add(Matrix *x) { return Forward<Ref<ComplexMatrix>>(72, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_AddRight(Matrix *x) { return Forward<Ref<ComplexMatrix>>(73, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_Add(Complex *x) { return Forward<Ref<ComplexMatrix>>(74, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_AddRight(Complex *x) { return Forward<Ref<ComplexMatrix>>(75, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_Add(double x) { return Forward<Ref<ComplexMatrix>>(76, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_AddRight(double x) { return Forward<Ref<ComplexMatrix>>(77, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_Subtract(ComplexMatrix *x) {
    return Forward<Ref<ComplexMatrix>>(78, this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Subtract(Matrix *x) { return Forward<Ref<ComplexMatrix>>(79, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_SubtractRight(Matrix *x) { return Forward<Ref<ComplexMatrix>>(80, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_Subtract(Complex *x) { return Forward<Ref<ComplexMatrix>>(81, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_SubtractRight(Complex *x) {
    return Forward<Ref<ComplexMatrix>>(82, this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Subtract(double x) { return Forward<Ref<ComplexMatrix>>(83, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_SubtractRight(double x) { return Forward<Ref<ComplexMatrix>>(84, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_Multiply(ComplexMatrix *x) {
    return Forward<Ref<ComplexMatrix>>(85, this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Multiply(Matrix *x) { return Forward<Ref<ComplexMatrix>>(86, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_MultiplyRight(Matrix *x) { return Forward<Ref<ComplexMatrix>>(87, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_Multiply(Complex *x) { return Forward<Ref<ComplexMatrix>>(88, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_MultiplyRight(Complex *x) {
    return Forward<Ref<ComplexMatrix>>(89, this, x);
}
Ref<ComplexMatrix> ComplexMatrix::Operator_Multiply(double x) { return Forward<Ref<ComplexMatrix>>(90, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_MultiplyRight(double x) { return Forward<Ref<ComplexMatrix>>(91, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_Divide(ComplexMatrix *x) { return Forward<Ref<ComplexMatrix>>(92, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_Divide(Matrix *x) { return Forward<Ref<ComplexMatrix>>(93, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_DivideRight(Matrix *x) { return Forward<Ref<ComplexMatrix>>(94, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_Divide(Complex *x) { return Forward<Ref<ComplexMatrix>>(95, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_DivideRight(Complex *x) { return Forward<Ref<ComplexMatrix>>(96, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_Divide(double x) { return Forward<Ref<ComplexMatrix>>(97, this, x); }
Ref<ComplexMatrix> ComplexMatrix::Operator_DivideRight(double x) { return Forward<Ref<ComplexMatrix>>(98, this, x); }

int64_t ComplexMatrix::Operator_Compare(ComplexMatrix *x) { return Forward<int64_t>(99, this, x); }
int64_t ComplexMatrix::Operator_Compare(Matrix *x) { return Forward<int64_t>(100, this, x); }
int64_t ComplexMatrix::NumRows() { return Forward<int64_t>(101, this); }
int64_t ComplexMatrix::NumColumns() { return Forward<int64_t>(102, this); }
