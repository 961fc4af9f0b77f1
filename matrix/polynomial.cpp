#include "matrix/polynomial.h"

#include "matrix/class_records.h"
#include "matrix/complex.h"
#include "matrix/forwarding.h"

using fw::Ref;
using fw::String;
using matrixlib::Forward;

// The hooks, then the members in class-table order up to SetCoeff.
const fw::ClassRecord &Polynomial::ClassRecordOf() {
    static const fw::ClassRecord &record = fw::ClassRegistry::Instance().LookUp("Polynomial", [](fw::ClassRecord &r) {
        matrixlib::BuildValueClassRecord(r, fw::Allocator<Polynomial>(), CM_ENTRY_Polynomial_Init,
                                         CM_ENTRY_Polynomial_SetCoeff_ReIm);
    });
    return record;
}

void Polynomial::Constructor() { Forward<CM_ENTRY_Polynomial_Constructor, void>(this); }
void Polynomial::Constructor(int64_t n, const String &inputString) {
    Forward<CM_ENTRY_Polynomial_Constructor_Text, void>(this, n, inputString);
}
String Polynomial::Str() { return Forward<CM_ENTRY_Polynomial_Str, String>(this); }
Ref<Complex> Polynomial::Coeff(int64_t Index) { return Forward<CM_ENTRY_Polynomial_Coeff, Ref<Complex>>(this, Index); }
void Polynomial::SetCoeff(int64_t Index, Complex *x) {
    Forward<CM_ENTRY_Polynomial_SetCoeff_Complex, void>(this, Index, x);
}
void Polynomial::SetCoeff(int64_t Index, double xRe, double xIm) {
    Forward<CM_ENTRY_Polynomial_SetCoeff_ReIm, void>(this, Index, xRe, xIm);
}
