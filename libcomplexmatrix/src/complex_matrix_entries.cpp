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

// The seven overloads of one operator, in table order.
template <Apply mm, ApplyScalar ms, ApplyScalarRight sm>
void add_operator(std::vector<cm_entry> &entries, const char *const (&declarations)[7]) {
    void *const functions[7] = {
        entry_function(&with_matrix<mm>),        entry_function(&with_real<mm>),
        entry_function(&with_real_right<mm>),    entry_function(&with_complex<ms>),
        entry_function(&with_complex_right<sm>), entry_function(&with_double<ms>),
        entry_function(&with_double_right<sm>),
    };
    for (int k = 0; k < 7; ++k)
        entries.push_back({declarations[k], functions[k]});
}

constexpr const char *kAdd[7] = {
    "ComplexMatrix.Operator_Add(x As ComplexMatrix) As ComplexMatrix",
    "ComplexMatrix.Operator_Add(x As Matrix) As ComplexMatrix",
    "ComplexMatrix.Operator_AddRight(x As Matrix) As ComplexMatrix",
    "ComplexMatrix.Operator_Add(x As Complex) As ComplexMatrix",
    "ComplexMatrix.Operator_AddRight(x As Complex) As ComplexMatrix",
    "ComplexMatrix.Operator_Add(x As Double) As ComplexMatrix",
    "ComplexMatrix.Operator_AddRight(x As Double) As ComplexMatrix",
};
constexpr const char *kSubtract[7] = {
    "ComplexMatrix.Operator_Subtract(x As ComplexMatrix) As ComplexMatrix",
    "ComplexMatrix.Operator_Subtract(x As Matrix) As ComplexMatrix",
    "ComplexMatrix.Operator_SubtractRight(x As Matrix) As ComplexMatrix",
    "ComplexMatrix.Operator_Subtract(x As Complex) As ComplexMatrix",
    "ComplexMatrix.Operator_SubtractRight(x As Complex) As ComplexMatrix",
    "ComplexMatrix.Operator_Subtract(x As Double) As ComplexMatrix",
    "ComplexMatrix.Operator_SubtractRight(x As Double) As ComplexMatrix",
};
constexpr const char *kMultiply[7] = {
    "ComplexMatrix.Operator_Multiply(x As ComplexMatrix) As ComplexMatrix",
    "ComplexMatrix.Operator_Multiply(x As Matrix) As ComplexMatrix",
    "ComplexMatrix.Operator_MultiplyRight(x As Matrix) As ComplexMatrix",
    "ComplexMatrix.Operator_Multiply(x As Complex) As ComplexMatrix",
    "ComplexMatrix.Operator_MultiplyRight(x As Complex) As ComplexMatrix",
    "ComplexMatrix.Operator_Multiply(x As Double) As ComplexMatrix",
    "ComplexMatrix.Operator_MultiplyRight(x As Double) As ComplexMatrix",
};
constexpr const char *kDivide[7] = {
    "ComplexMatrix.Operator_Divide(x As ComplexMatrix) As ComplexMatrix",
    "ComplexMatrix.Operator_Divide(x As Matrix) As ComplexMatrix",
    "ComplexMatrix.Operator_DivideRight(x As Matrix) As ComplexMatrix",
    "ComplexMatrix.Operator_Divide(x As Complex) As ComplexMatrix",
    "ComplexMatrix.Operator_DivideRight(x As Complex) As ComplexMatrix",
    "ComplexMatrix.Operator_Divide(x As Double) As ComplexMatrix",
    "ComplexMatrix.Operator_DivideRight(x As Double) As ComplexMatrix",
};

} // namespace

void add_complex_matrix_entries(std::vector<cm_entry> &entries) {
    const cm_entry head[] = {
        {"ComplexMatrix.__init", entry_function(&init_hook<ComplexMatrixClass>)},
        {"ComplexMatrix.__exit", entry_function(&exit_hook<ComplexMatrixClass>)},
        {"ComplexMatrix.Constructor()",
         entry_function(+[](cm_object *self) { guarded([&] { self_of(self) = CM(0, 0); }); })},
        {"ComplexMatrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer)",
         entry_function(+[](cm_object *self, int64_t rows, int64_t columns) {
             guarded([&] {
                 CM &m = self_of(self);
                 m = zeros<Z>(rows, columns);
             });
         })},
        // The text decides the shape; the counts are not used.
        {"ComplexMatrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer,  ComplexMatrixString As "
         "String)",
         entry_function(+[](cm_object *self, int64_t, int64_t, cm_string *text) {
             guarded([&] {
                 CM &m = self_of(self);
                 m = read_complex_matrix(text_of(text));
             });
         })},
        {"ComplexMatrix.Str() As String", entry_function(+[](cm_object *self) {
             return guarded([&] { return make_string(write_complex_matrix(self_of(self))); });
         })},
        {"ComplexMatrix.Str2() As String", entry_function(+[](cm_object *self) {
             return guarded([&] { return make_string(write_complex_matrix_short(self_of(self))); });
         })},
        {"ComplexMatrix.Real() as Matrix", entry_function(+[](cm_object *self) {
             return guarded([&] { return make_result<MatrixClass>(self_of(self).real()); });
         })},
        {"ComplexMatrix.Imag() as Matrix", entry_function(+[](cm_object *self) {
             return guarded([&] { return make_result<MatrixClass>(self_of(self).imag()); });
         })},
        {"ComplexMatrix.Element(rowIndex As Integer, columnIndex As Integer) As Complex",
         entry_function(+[](cm_object *self, int64_t row, int64_t column) {
             return guarded([&] { return make_result<ComplexClass>(element(self_of(self), row, column)); });
         })},
        {"ComplexMatrix.Operator_Negate() As ComplexMatrix",
         entry_function(+[](cm_object *self) { return guarded([&] { return result(-self_of(self)); }); })},
    };
    entries.insert(entries.end(), std::begin(head), std::end(head));

    add_operator<&add_mm, &add_ms, &add_sm>(entries, kAdd);
    add_operator<&subtract_mm, &subtract_ms, &subtract_sm>(entries, kSubtract);
    add_operator<&multiply_mm, &multiply_ms, &multiply_sm>(entries, kMultiply);
    add_operator<&divide_mm, &divide_ms, &divide_sm>(entries, kDivide);

    const cm_entry tail[] = {
        // A Nil operand is unequal: the object counts as the greater.
        {"ComplexMatrix.Operator_Compare(x As ComplexMatrix) As Integer",
         entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&]() -> int64_t {
                 const CM &m = self_of(self);
                 return x ? compare_matrices(m, matrix_arg(x)) : 1;
             });
         })},
        {"ComplexMatrix.Operator_Compare(x As Matrix) As Integer", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&]() -> int64_t {
                 const CM &m = self_of(self);
                 return x ? compare_matrices(m, real_arg(x)) : 1;
             });
         })},
        {"ComplexMatrix.NumRows() As Integer", entry_function(&rows_of<ComplexMatrixClass>)},
        {"ComplexMatrix.NumColumns() As Integer", entry_function(&columns_of<ComplexMatrixClass>)},
    };
    entries.insert(entries.end(), std::begin(tail), std::end(tail));
}

} // namespace cmlib
