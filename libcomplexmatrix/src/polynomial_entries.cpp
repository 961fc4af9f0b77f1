// The entries of Polynomial, a polynomial with complex coefficients. The
// coefficient of index i belongs to x^i; the indices run from 0.
#include "arithmetic.h"
#include "host.h"
#include "matrix_text.h"
#include "number_text.h"

namespace cmlib {

namespace {

using Z = std::complex<double>;
using Coefficients = PolynomialClass::Value;

Coefficients &self_of(cm_object *self) { return value_of<PolynomialClass>(self); }

Z &coefficient(Coefficients &p, int64_t index) {
    if (index < 0 || static_cast<uint64_t>(index) >= p.size()) {
        fail("BadEntryNumberException", "no coefficient " + std::to_string(index) + " in a polynomial of " +
                                            std::to_string(p.size()) + " coefficients");
    }
    return p[static_cast<std::size_t>(index)];
}

// "(1+2i) + (0-1i)x + (3+0i)x^2"; the polynomial without coefficients is "0".
std::string polynomial_text(const Coefficients &p) {
    if (p.empty()) return "0";
    std::string out;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (i > 0) out += " + ";
        // Appended piece by piece: "(" + a temporary trips GCC 12's -Wrestrict at -O3.
        out += '(';
        out += format_complex(p[i]);
        out += ')';
        if (i == 1) out += "x";
        if (i > 1) out += "x^" + std::to_string(i);
    }
    return out;
}

} // namespace

void add_polynomial_entries(std::vector<Registration> &entries) {
    const Registration table[] = {
        offer<CM_ENTRY_Polynomial_Init>(&init_hook<PolynomialClass>),
        offer<CM_ENTRY_Polynomial_Exit>(&exit_hook<PolynomialClass>),
        // The zero polynomial: one coefficient, 0.
        offer<CM_ENTRY_Polynomial_Constructor>(
            +[](cm_object *self) { guarded([&] { self_of(self) = Coefficients(1); }); }),
        // The text holds the n coefficients, from x^0 up, separated by blanks,
        // tabs, no-break spaces or line ends.
        offer<CM_ENTRY_Polynomial_Constructor_Text>(+[](cm_object *self, int64_t n, cm_string *text) {
            guarded([&] {
                Coefficients &p = self_of(self);
                if (n < 0)
                    fail("BadArgumentException", "a polynomial can't have " + std::to_string(n) + " coefficients");
                auto read = read_complex_list(text_of(text));
                if (!read) fail("BadArgumentException", "the text holds a value that is no complex number");
                if (read->size() != static_cast<uint64_t>(n)) {
                    fail("BadArgumentException",
                         "the text holds " + std::to_string(read->size()) + " coefficients, not " + std::to_string(n));
                }
                p = std::move(*read);
            });
        }),
        offer<CM_ENTRY_Polynomial_Str>(
            +[](cm_object *self) { return guarded([&] { return make_string(polynomial_text(self_of(self))); }); }),
        offer<CM_ENTRY_Polynomial_Coeff>(+[](cm_object *self, int64_t index) {
            return guarded([&] { return make_result<ComplexClass>(coefficient(self_of(self), index)); });
        }),
        offer<CM_ENTRY_Polynomial_SetCoeff_Complex>(+[](cm_object *self, int64_t index, cm_object *x) {
            guarded([&] {
                Z &c = coefficient(self_of(self), index);
                c = value_of<ComplexClass>(x);
            });
        }),
        offer<CM_ENTRY_Polynomial_SetCoeff_ReIm>(+[](cm_object *self, int64_t index, double re, double im) {
            guarded([&] { coefficient(self_of(self), index) = Z(re, im); });
        }),
    };
    entries.insert(entries.end(), std::begin(table), std::end(table));
}

} // namespace cmlib
