#pragma once

#include <cstdint>

#include "framework/object.h"
#include "framework/string.h"
#include "matrix/library_object.h"

// The matrix library's complex number. Every member forwards to its entry of
// the library entry table; the library holds the value.
class Complex : public LibraryObject {
public:
    static const fw::ClassRecord &ClassRecordOf();

    double Real();
    double Imag();
    fw::String Str();
    fw::String Str2();
    fw::String Str2EE();
    void Constructor();
    void Constructor(double xRe, double xIm);
    void Constructor(double x);
    void Constructor(const fw::String &inputString);
    fw::Ref<Complex> Operator_Negate();
    fw::Ref<Complex> Operator_Add(Complex *y);
    fw::Ref<Complex> Operator_Add(double yRe);
    fw::Ref<Complex> Operator_AddRight(double yRe);
    fw::Ref<Complex> Operator_Subtract(Complex *y);
    fw::Ref<Complex> Operator_Subtract(double yRe);
    fw::Ref<Complex> Operator_SubtractRight(double yRe);
    fw::Ref<Complex> Operator_Multiply(Complex *y);
    fw::Ref<Complex> Operator_Multiply(double yRe);
    fw::Ref<Complex> Operator_MultiplyRight(double yRe);
    fw::Ref<Complex> Operator_Divide(Complex *y);
    fw::Ref<Complex> Operator_Divide(double yRe);
    fw::Ref<Complex> Operator_DivideRight(double yRe);
    int64_t Operator_Compare(Complex *x);
};
