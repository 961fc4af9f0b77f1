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

void add_complex_entries(std::vector<Registration> &entries) {
    const Registration table[] = {
        offer<CM_ENTRY_Complex_Init>(&init_hook<ComplexClass>),
        offer<CM_ENTRY_Complex_Exit>(&exit_hook<ComplexClass>),
        offer<CM_ENTRY_Complex_Real>(+[](cm_object *self) { return guarded([&] { return self_of(self).real(); }); }),
        offer<CM_ENTRY_Complex_Imag>(+[](cm_object *self) { return guarded([&] { return self_of(self).imag(); }); }),
        offer<CM_ENTRY_Complex_Str>(
            +[](cm_object *self) { return guarded([&] { return make_string(format_complex(self_of(self))); }); }),
        offer<CM_ENTRY_Complex_Str2>(
            +[](cm_object *self) { return guarded([&] { return make_string(format_complex_short(self_of(self))); }); }),
        offer<CM_ENTRY_Complex_Str2EE>(+[](cm_object *self) {
            return guarded([&] { return make_string(format_complex_exponent(self_of(self))); });
        }),
        offer<CM_ENTRY_Complex_Constructor>(+[](cm_object *self) { guarded([&] { self_of(self) = Z(); }); }),
        offer<CM_ENTRY_Complex_Constructor_ReIm>(
            +[](cm_object *self, double re, double im) { guarded([&] { self_of(self) = Z(re, im); }); }),
        offer<CM_ENTRY_Complex_Constructor_Double>(
            +[](cm_object *self, double x) { guarded([&] { self_of(self) = Z(x, 0.0); }); }),
        offer<CM_ENTRY_Complex_Constructor_Text>(+[](cm_object *self, cm_string *text) {
            guarded([&] {
                Z &z = self_of(self);
                const auto parsed = parse_complex(text_of(text));
                if (!parsed) fail("BadArgumentException", "no complex number in the text");
                z = *parsed;
            });
        }),
        offer<CM_ENTRY_Complex_Operator_Negate>(
            +[](cm_object *self) { return guarded([&] { return result(-self_of(self)); }); }),
        offer<CM_ENTRY_Complex_Operator_Add_Complex>(+[](cm_object *self, cm_object *y) {
            return guarded([&] { return result(self_of(self) + value_of<ComplexClass>(y)); });
        }),
        offer<CM_ENTRY_Complex_Operator_Add_Double>(
            +[](cm_object *self, double y) { return guarded([&] { return result(self_of(self) + y); }); }),
        offer<CM_ENTRY_Complex_Operator_AddRight>(
            +[](cm_object *self, double y) { return guarded([&] { return result(y + self_of(self)); }); }),
        offer<CM_ENTRY_Complex_Operator_Subtract_Complex>(+[](cm_object *self, cm_object *y) {
            return guarded([&] { return result(self_of(self) - value_of<ComplexClass>(y)); });
        }),
        offer<CM_ENTRY_Complex_Operator_Subtract_Double>(
            +[](cm_object *self, double y) { return guarded([&] { return result(self_of(self) - y); }); }),
        offer<CM_ENTRY_Complex_Operator_SubtractRight>(
            +[](cm_object *self, double y) { return guarded([&] { return result(y - self_of(self)); }); }),
        offer<CM_ENTRY_Complex_Operator_Multiply_Complex>(+[](cm_object *self, cm_object *y) {
            return guarded([&] { return result(self_of(self) * value_of<ComplexClass>(y)); });
        }),
        offer<CM_ENTRY_Complex_Operator_Multiply_Double>(
            +[](cm_object *self, double y) { return guarded([&] { return result(self_of(self) * y); }); }),
        offer<CM_ENTRY_Complex_Operator_MultiplyRight>(
            +[](cm_object *self, double y) { return guarded([&] { return result(y * self_of(self)); }); }),
        offer<CM_ENTRY_Complex_Operator_Divide_Complex>(+[](cm_object *self, cm_object *y) {
            return guarded([&] { return result(divide(self_of(self), value_of<ComplexClass>(y))); });
        }),
        offer<CM_ENTRY_Complex_Operator_Divide_Double>(+[](cm_object *self, double y) {
            return guarded([&] {
                check_divisor(y);
                return result(self_of(self) / y);
            });
        }),
        offer<CM_ENTRY_Complex_Operator_DivideRight>(+[](cm_object *self, double y) {
            return guarded([&] { return result(divide(Z(y, 0.0), self_of(self))); });
        }),
        // A Nil operand is unequal: the object counts as the greater.
        offer<CM_ENTRY_Complex_Operator_Compare>(+[](cm_object *self, cm_object *x) {
            return guarded([&]() -> int64_t {
                const Z &z = self_of(self);
                return x ? compare_numbers(z, value_of<ComplexClass>(x)) : 1;
            });
        }),
    };
    entries.insert(entries.end(), std::begin(table), std::end(table));
}

} // namespace cmlib
