#include "matrix/complex.h"

#include "matrix/class_records.h"
#include "matrix/forwarding.h"

using fw::Ref;
using fw::String;
using matrixlib::Forward;

// The hooks, then the members in class-table order up to Operator_Compare.
const fw::ClassRecord &Complex::ClassRecordOf() {
    static const fw::ClassRecord &record = fw::ClassRegistry::Instance().LookUp("Complex", [](fw::ClassRecord &r) {
        matrixlib::BuildValueClassRecord(r, fw::Allocator<Complex>(), CM_ENTRY_Complex_Init,
                                         CM_ENTRY_Complex_Operator_Compare);
    });
    return record;
}

double Complex::Real() { return Forward<CM_ENTRY_Complex_Real, double>(this); }
double Complex::Imag() { return Forward<CM_ENTRY_Complex_Imag, double>(this); }
String Complex::Str() { return Forward<CM_ENTRY_Complex_Str, String>(this); }
String Complex::Str2() { return Forward<CM_ENTRY_Complex_Str2, String>(this); }
String Complex::Str2EE() { return Forward<CM_ENTRY_Complex_Str2EE, String>(this); }
void Complex::Constructor() { Forward<CM_ENTRY_Complex_Constructor, void>(this); }
void Complex::Constructor(double xRe, double xIm) { Forward<CM_ENTRY_Complex_Constructor_ReIm, void>(this, xRe, xIm); }
void Complex::Constructor(double x) { Forward<CM_ENTRY_Complex_Constructor_Double, void>(this, x); }
void Complex::Constructor(const String &inputString) {
    Forward<CM_ENTRY_Complex_Constructor_Text, void>(this, inputString);
}
Ref<Complex> Complex::Operator_Negate() { return Forward<CM_ENTRY_Complex_Operator_Negate, Ref<Complex>>(this); }
Ref<Complex> Complex::Operator_Add(Complex *y) {
    return Forward<CM_ENTRY_Complex_Operator_Add_Complex, Ref<Complex>>(this, y);
}
Ref<Complex> Complex::Operator_Add(double yRe) {
    return Forward<CM_ENTRY_Complex_Operator_Add_Double, Ref<Complex>>(this, yRe);
}
Ref<Complex> Complex::Operator_AddRight(double yRe) {
    return Forward<CM_ENTRY_Complex_Operator_AddRight, Ref<Complex>>(this, yRe);
}
Ref<Complex> Complex::Operator_Subtract(Complex *y) {
    return Forward<CM_ENTRY_Complex_Operator_Subtract_Complex, Ref<Complex>>(this, y);
}
Ref<Complex> Complex::Operator_Subtract(double yRe) {
    return Forward<CM_ENTRY_Complex_Operator_Subtract_Double, Ref<Complex>>(this, yRe);
}
Ref<Complex> Complex::Operator_SubtractRight(double yRe) {
    return Forward<CM_ENTRY_Complex_Operator_SubtractRight, Ref<Complex>>(this, yRe);
}
Ref<Complex> Complex::Operator_Multiply(Complex *y) {
    return Forward<CM_ENTRY_Complex_Operator_Multiply_Complex, Ref<Complex>>(this, y);
}
Ref<Complex> Complex::Operator_Multiply(double yRe) {
    return Forward<CM_ENTRY_Complex_Operator_Multiply_Double, Ref<Complex>>(this, yRe);
}
Ref<Complex> Complex::Operator_MultiplyRight(double yRe) {
    return Forward<CM_ENTRY_Complex_Operator_MultiplyRight, Ref<Complex>>(this, yRe);
}
Ref<Complex> Complex::Operator_Divide(Complex *y) {
    return Forward<CM_ENTRY_Complex_Operator_Divide_Complex, Ref<Complex>>(this, y);
}
Ref<Complex> Complex::Operator_Divide(double yRe) {
    return Forward<CM_ENTRY_Complex_Operator_Divide_Double, Ref<Complex>>(this, yRe);
}
Ref<Complex> Complex::Operator_DivideRight(double yRe) {
    return Forward<CM_ENTRY_Complex_Operator_DivideRight, Ref<Complex>>(this, yRe);
}
int64_t Complex::Operator_Compare(Complex *x) { return Forward<CM_ENTRY_Complex_Operator_Compare, int64_t>(this, x); }
