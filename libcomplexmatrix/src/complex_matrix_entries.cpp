// The entries of ComplexMatrix, a matrix of complex numbers.
#include "arithmetic.h"
#include "host.h"
#include "matrix_text.h"

namespace cmlib {

namespace {

using Z = std::complex<double>;
using CM = Eigen::MatrixXcd;

CM &self_of(cm_object *self) { return value_of<ComplexMatrixClass>(self); }
const CM &matrix_arg(cm_object *x) { return value_of<ComplexMatrixClass>(x); }
CM real_arg(cm_object *x) { return to_complex(value_of<MatrixClass>(x)); }
Z complex_arg(cm_object *x) { return value_of<ComplexClass>(x); }
Z double_arg(double x) { return Z(x, 0.0); }

cm_object *result(CM m) { return make_result<ComplexMatrixClass>(std::move(m)); }

// The operand of each of an operator's seven overloads as a complex value,
// and the operator with the object on its left ("Right": on its right).
using Apply = CM (*)(const CM &, const CM &);
using ApplyScalar = CM (*)(const CM &, Z);
using ApplyScalarRight = CM (*)(Z, const CM &);

template <Apply op> cm_object *with_matrix(cm_object *self, cm_object *x) {
    return guarded([&] { return result(op(self_of(self), matrix_arg(x))); });
}
template <Apply op> cm_object *with_real(cm_object *self, cm_object *x) {
    return guarded([&] { return result(op(self_of(self), real_arg(x))); });
}
template <Apply op> cm_object *with_real_right(cm_object *self, cm_object *x) {
    return guarded([&] { return result(op(real_arg(x), self_of(self))); });
}
template <ApplyScalar op> cm_object *with_complex(cm_object *self, cm_object *x) {
    return guarded([&] { return result(op(self_of(self), complex_arg(x))); });
}
template <ApplyScalarRight op> cm_object *with_complex_right(cm_object *self, cm_object *x) {
    return guarded([&] { return result(op(complex_arg(x), self_of(self))); });
}
template <ApplyScalar op> cm_object *with_double(cm_object *self, double x) {
    return guarded([&] { return result(op(self_of(self), double_arg(x))); });
}
template <ApplyScalarRight op> cm_object *with_double_right(cm_object *self, double x) {
    return guarded([&] { return result(op(double_arg(x), self_of(self))); });
}

CM add_mm(const CM &a, const CM &b) { return add(a, b); }
CM add_ms(const CM &a, Z x) { return add(a, x); }
CM add_sm(Z x, const CM &a) { return add(a, x); }
CM subtract_mm(const CM &a, const CM &b) { return subtract(a, b); }
CM subtract_ms(const CM &a, Z x) { return subtract(a, x); }
CM subtract_sm(Z x, const CM &a) { return subtract(x, a); }
CM multiply_mm(const CM &a, const CM &b) { return multiply(a, b); }
CM multiply_ms(const CM &a, Z x) { return multiply(a, x); }
CM multiply_sm(Z x, const CM &a) { return multiply(a, x); }
CM divide_mm(const CM &a, const CM &b) { return divide(a, b); }
CM divide_ms(const CM &a, Z x) { return divide(a, x); }
CM divide_sm(Z x, const CM &a) { return divide(x, a); }

// The seven overloads of one operator, whose first entry is First: with a
// ComplexMatrix, a Matrix on either side, a Complex on either side and a
// Double on either side.
template <int First, Apply mm, ApplyScalar ms, ApplyScalarRight sm>
void add_operator(std::vector<Registration> &entries) {
    const Registration overloads[] = {
        offer<First>(&with_matrix<mm>),
        offer<First + 1>(&with_real<mm>),
        offer<First + 2>(&with_real_right<mm>),
        offer<First + 3>(&with_complex<ms>),
        offer<First + 4>(&with_complex_right<sm>),
        offer<First + 5>(&with_double<ms>),
        offer<First + 6>(&with_double_right<sm>),
    };
    entries.insert(entries.end(), std::begin(overloads), std::end(overloads));
}

} // namespace

void add_complex_matrix_entries(std::vector<Registration> &entries) {
    const Registration head[] = {
        offer<CM_ENTRY_ComplexMatrix_Init>(&init_hook<ComplexMatrixClass>),
        offer<CM_ENTRY_ComplexMatrix_Exit>(&exit_hook<ComplexMatrixClass>),
        offer<CM_ENTRY_ComplexMatrix_Constructor>(+[](cm_object *self) { guarded([&] { self_of(self) = CM(0, 0); }); }),
        offer<CM_ENTRY_ComplexMatrix_Constructor_Shape>(+[](cm_object *self, int64_t rows, int64_t columns) {
            guarded([&] {
                CM &m = self_of(self);
                m = zeros<Z>(rows, columns);
            });
        }),
        // The text decides the shape; the counts are not used.
        offer<CM_ENTRY_ComplexMatrix_Constructor_Text>(+[](cm_object *self, int64_t, int64_t, cm_string *text) {
            guarded([&] {
                CM &m = self_of(self);
                m = read_complex_matrix(text_of(text));
            });
        }),
        offer<CM_ENTRY_ComplexMatrix_Str>(
            +[](cm_object *self) { return guarded([&] { return make_string(write_complex_matrix(self_of(self))); }); }),
        offer<CM_ENTRY_ComplexMatrix_Str2>(+[](cm_object *self) {
            return guarded([&] { return make_string(write_complex_matrix_short(self_of(self))); });
        }),
        offer<CM_ENTRY_ComplexMatrix_Real>(
            +[](cm_object *self) { return guarded([&] { return make_result<MatrixClass>(self_of(self).real()); }); }),
        offer<CM_ENTRY_ComplexMatrix_Imag>(
            +[](cm_object *self) { return guarded([&] { return make_result<MatrixClass>(self_of(self).imag()); }); }),
        offer<CM_ENTRY_ComplexMatrix_Element>(+[](cm_object *self, int64_t row, int64_t column) {
            return guarded([&] { return make_result<ComplexClass>(element(self_of(self), row, column)); });
        }),
        offer<CM_ENTRY_ComplexMatrix_Operator_Negate>(
            +[](cm_object *self) { return guarded([&] { return result(-self_of(self)); }); }),
    };
    entries.insert(entries.end(), std::begin(head), std::end(head));

    add_operator<CM_ENTRY_ComplexMatrix_Operator_Add_ComplexMatrix, &add_mm, &add_ms, &add_sm>(entries);
    add_operator<CM_ENTRY_ComplexMatrix_Operator_Subtract_ComplexMatrix, &subtract_mm, &subtract_ms, &subtract_sm>(
        entries);
    add_operator<CM_ENTRY_ComplexMatrix_Operator_Multiply_ComplexMatrix, &multiply_mm, &multiply_ms, &multiply_sm>(
        entries);
    add_operator<CM_ENTRY_ComplexMatrix_Operator_Divide_ComplexMatrix, &divide_mm, &divide_ms, &divide_sm>(entries);

    const Registration tail[] = {
        // A Nil operand is unequal: the object counts as the greater.
        offer<CM_ENTRY_ComplexMatrix_Operator_Compare_ComplexMatrix>(+[](cm_object *self, cm_object *x) {
            return guarded([&]() -> int64_t {
                const CM &m = self_of(self);
                return x ? compare_matrices(m, matrix_arg(x)) : 1;
            });
        }),
        offer<CM_ENTRY_ComplexMatrix_Operator_Compare_Matrix>(+[](cm_object *self, cm_object *x) {
            return guarded([&]() -> int64_t {
                const CM &m = self_of(self);
                return x ? compare_matrices(m, real_arg(x)) : 1;
            });
        }),
        offer<CM_ENTRY_ComplexMatrix_NumRows>(&rows_of<ComplexMatrixClass>),
        offer<CM_ENTRY_ComplexMatrix_NumColumns>(&columns_of<ComplexMatrixClass>),
    };
    entries.insert(entries.end(), std::begin(tail), std::end(tail));
}

} // namespace cmlib
