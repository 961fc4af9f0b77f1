#include "matrix/complex.h"

#include "matrix/class_records.h"
#include "matrix/forwarding.h"

using fw::Ref;
using fw::String;
using matrixlib::Forward;

// Entries 2 (__init) and 3 (__exit), then the 23 members from entry 4.
const fw::ClassRecord &Complex::ClassRecordOf() {
    static const fw::ClassRecord &record = fw::ClassRegistry::Instance().LookUp(
        "Complex", [](fw::ClassRecord &r) { matrixlib::BuildValueClassRecord(r, fw::Allocator<Complex>(), 2, 23); });
    return record;
}

double Complex::Real() { return Forward<double>(4, this); }
double Complex::Imag() { return Forward<double>(5, this); }
String Complex::Str() { return Forward<String>(6, this); }
String Complex::Str2() { return Forward<String>(7, this); }
String Complex::Str2EE() { return Forward<String>(8, this); }
void Complex::Constructor() { Forward<void>(9, this); }
void Complex::Constructor(double xRe, double xIm) { Forward<void>(10, this, xRe, xIm); }
void Complex::Constructor(double x) { Forward<void>(11, this, x); }
void Complex::Constructor(const String &inputString) { Forward<void>(12, this, inputString); }
Ref<Complex> Complex::Operator_Negate() { return Forward<Ref<Complex>>(13, this); }
Ref<Complex> Complex::Operator_Add(Complex *y) { return Forward<Ref<Complex>>(14, this, y); }
Ref<Complex> Complex::Operator_Add(double yRe) { return Forward<Ref<Complex>>(15, this, yRe); }
Ref<Complex> Complex::Operator_AddRight(double yRe) { return Forward<Ref<Complex>>(16, this, yRe); }
Ref<Complex> Complex::Operator_Subtract(Complex *y) { return Forward<Ref<Complex>>(17, this, y); }
Ref<Complex> Complex::Operator_Subtract(double yRe) { return Forward<Ref<Complex>>(18, this, yRe); }
Ref<Complex> Complex::Operator_SubtractRight(double yRe) { return Forward<Ref<Complex>>(19, this, yRe); }
Ref<Complex> Complex::Operator_Multiply(Complex *y) { return Forward<Ref<Complex>>(20, this, y); }
Ref<Complex> Complex::Operator_Multiply(double yRe) { return Forward<Ref<Complex>>(21, this, yRe); }
Ref<Complex> Complex::Operator_MultiplyRight(double yRe) { return Forward<Ref<Complex>>(22, this, yRe); }
Ref<Complex> Complex::Operator_Divide(Complex *y) { return Forward<Ref<Complex>>(23, this, y); }
Ref<Complex> Complex::Operator_Divide(double yRe) { return Forward<Ref<Complex>>(24, this, yRe); }
Ref<Complex> Complex::Operator_DivideRight(double yRe) { return Forward<Ref<Complex>>(25, this, yRe); }
int64_t Complex::Operator_Compare(Complex *x) { return Forward<int64_t>(26, this, x); }
