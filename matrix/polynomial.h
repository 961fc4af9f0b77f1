#pragma once

#include <cstdint>

#include "framework/object.h"
#include "framework/string.h"
#include "matrix/library_object.h"

class Complex;

// The matrix library's polynomial with complex coefficients. Every member
// forwards to its entry of the library entry table.
class Polynomial : public LibraryObject {
public:
    static const fw::ClassRecord &ClassRecordOf();

    void Constructor();
    void Constructor(int64_t n, const fw::String &inputString);
    fw::String Str();
    fw::Ref<Complex> Coeff(int64_t Index);
    void SetCoeff(int64_t Index, Complex *x);
    void SetCoeff(int64_t Index, double xRe, double xIm);
};
