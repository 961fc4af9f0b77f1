#include "matrix/polynomial.h"

#include "matrix/class_records.h"
#include "matrix/complex.h"
#include "matrix/forwarding.h"

using fw::Ref;
using fw::String;
using matrixlib::Forward;

// Entries 103 (__init) and 104 (__exit), then the 6 members from entry 105.
const fw::ClassRecord &Polynomial::ClassRecordOf() {
    static const fw::ClassRecord &record = fw::ClassRegistry::Instance().LookUp("Polynomial", [](fw::ClassRecord &r) {
        matrixlib::BuildValueClassRecord(r, fw::Allocator<Polynomial>(), 103, 6);
    });
    return record;
}

void Polynomial::Constructor() { Forward<void>(105, this); }
void Polynomial::Constructor(int64_t n, const String &inputString) { Forward<void>(106, this, n, inputString); }
String Polynomial::Str() { return Forward<String>(107, this); }
Ref<Complex> Polynomial::Coeff(int64_t Index) { return Forward<Ref<Complex>>(108, this, Index); }
void Polynomial::SetCoeff(int64_t Index, Complex *x) { Forward<void>(109, this, Index, x); }
void Polynomial::SetCoeff(int64_t Index, double xRe, double xIm) { Forward<void>(110, this, Index, xRe, xIm); }
