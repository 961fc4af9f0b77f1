// The entries of Complex, a complex number.
#include <complex>

#include "arithmetic.h"
#include "host.h"
#include "number_text.h"

namespace cmlib {

namespace {

using Z = std::complex<double>;

Z &self_of(cm_object *self) { return value_of<ComplexClass>(self); }

cm_object *result(Z z) { return make_result<ComplexClass>(z); }

Z divide(Z a, Z b) {
    check_divisor(b);
    return a / b;
}

} // namespace

void add_complex_entries(std::vector<cm_entry> &entries) {
    const cm_entry table[] = {
        {"Complex.__init", entry_function(&init_hook<ComplexClass>)},
        {"Complex.__exit", entry_function(&exit_hook<ComplexClass>)},
        {"Complex.Real() as double",
         entry_function(+[](cm_object *self) { return guarded([&] { return self_of(self).real(); }); })},
        {"Complex.Imag() as double",
         entry_function(+[](cm_object *self) { return guarded([&] { return self_of(self).imag(); }); })},
        {"Complex.Str() as String", entry_function(+[](cm_object *self) {
             return guarded([&] { return make_string(format_complex(self_of(self))); });
         })},
        {"Complex.Str2() as String", entry_function(+[](cm_object *self) {
             return guarded([&] { return make_string(format_complex_short(self_of(self))); });
         })},
        {"Complex.Str2EE() as String", entry_function(+[](cm_object *self) {
             return guarded([&] { return make_string(format_complex_exponent(self_of(self))); });
         })},
        {"Complex.Constructor()", entry_function(+[](cm_object *self) { guarded([&] { self_of(self) = Z(); }); })},
        {"Complex.Constructor(xRe as double, xIm as double)",
         entry_function(+[](cm_object *self, double re, double im) { guarded([&] { self_of(self) = Z(re, im); }); })},
        {"Complex.Constructor(x as double)",
         entry_function(+[](cm_object *self, double x) { guarded([&] { self_of(self) = Z(x, 0.0); }); })},
        {"Complex.Constructor(inputString As String)", entry_function(+[](cm_object *self, cm_string *text) {
             guarded([&] {
                 Z &z = self_of(self);
                 const auto parsed = parse_complex(text_of(text));
                 if (!parsed) fail("BadArgumentException", "no complex number in the text");
                 z = *parsed;
             });
         })},
        {"Complex.Operator_Negate() As Complex",
         entry_function(+[](cm_object *self) { return guarded([&] { return result(-self_of(self)); }); })},
        {"Complex.Operator_Add(y As Complex) As Complex", entry_function(+[](cm_object *self, cm_object *y) {
             return guarded([&] { return result(self_of(self) + value_of<ComplexClass>(y)); });
         })},
        {"Complex.Operator_Add(yRe As Double) As Complex",
         entry_function(+[](cm_object *self, double y) { return guarded([&] { return result(self_of(self) + y); }); })},
        {"Complex.Operator_AddRight(yRe As Double) As Complex",
         entry_function(+[](cm_object *self, double y) { return guarded([&] { return result(y + self_of(self)); }); })},
        {"Complex.Operator_Subtract(y As Complex) As Complex", entry_function(+[](cm_object *self, cm_object *y) {
             return guarded([&] { return result(self_of(self) - value_of<ComplexClass>(y)); });
         })},
        {"Complex.Operator_Subtract(yRe As Double) As Complex",
         entry_function(+[](cm_object *self, double y) { return guarded([&] { return result(self_of(self) - y); }); })},
        {"Complex.Operator_SubtractRight(yRe As Double) As Complex",
         entry_function(+[](cm_object *self, double y) { return guarded([&] { return result(y - self_of(self)); }); })},
        {"Complex.Operator_Multiply(y As Complex) As Complex", entry_function(+[](cm_object *self, cm_object *y) {
             return guarded([&] { return result(self_of(self) * value_of<ComplexClass>(y)); });
         })},
        {"Complex.Operator_Multiply(yRe As Double) As Complex",
         entry_function(+[](cm_object *self, double y) { return guarded([&] { return result(self_of(self) * y); }); })},
        {"Complex.Operator_MultiplyRight(yRe As Double) As Complex",
         entry_function(+[](cm_object *self, double y) { return guarded([&] { return result(y * self_of(self)); }); })},
        {"Complex.Operator_Divide(y As Complex) As Complex", entry_function(+[](cm_object *self, cm_object *y) {
             return guarded([&] { return result(divide(self_of(self), value_of<ComplexClass>(y))); });
         })},
        {"Complex.Operator_Divide(yRe As Double) As Complex", entry_function(+[](cm_object *self, double y) {
             return guarded([&] {
                 check_divisor(y);
                 return result(self_of(self) / y);
             });
         })},
        {"Complex.Operator_DivideRight(yRe As Double) As Complex", entry_function(+[](cm_object *self, double y) {
             return guarded([&] { return result(divide(Z(y, 0.0), self_of(self))); });
         })},
        // A Nil operand is unequal: the object counts as the greater.
        {"Complex.Operator_Compare(x As Complex) As Integer", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&]() -> int64_t {
                 const Z &z = self_of(self);
                 return x ? compare_numbers(z, value_of<ComplexClass>(x)) : 1;
             });
         })},
    };
    entries.insert(entries.end(), std::begin(table), std::end(table));
}

} // namespace cmlib
