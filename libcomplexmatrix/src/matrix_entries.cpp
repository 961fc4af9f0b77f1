// The entries of Matrix, a real matrix, and the module-level NumRows and
// NumColumns.
#include "arithmetic.h"
#include "host.h"
#include "matrix_text.h"

namespace cmlib {

namespace {

using Z = std::complex<double>;

Eigen::MatrixXd &self_of(cm_object *self) { return value_of<MatrixClass>(self); }
const Eigen::MatrixXd &matrix_arg(cm_object *x) { return value_of<MatrixClass>(x); }
Z complex_arg(cm_object *x) { return value_of<ComplexClass>(x); }

cm_object *result(Eigen::MatrixXd m) { return make_result<MatrixClass>(std::move(m)); }
cm_object *complex_result(Eigen::MatrixXcd m) { return make_result<ComplexMatrixClass>(std::move(m)); }

// An operator with each kind of operand, the object on its left ("right":
// on its right); with a Complex operand the object becomes complex first.
using Apply = Eigen::MatrixXd (*)(const Eigen::MatrixXd &, const Eigen::MatrixXd &);
using ApplyDouble = Eigen::MatrixXd (*)(const Eigen::MatrixXd &, double);
using ApplyDoubleRight = Eigen::MatrixXd (*)(double, const Eigen::MatrixXd &);
using ApplyComplex = Eigen::MatrixXcd (*)(const Eigen::MatrixXcd &, Z);
using ApplyComplexRight = Eigen::MatrixXcd (*)(Z, const Eigen::MatrixXcd &);

template <Apply op> cm_object *with_matrix(cm_object *self, cm_object *x) {
    return guarded([&] { return result(op(self_of(self), matrix_arg(x))); });
}
template <ApplyDouble op> cm_object *with_double(cm_object *self, double x) {
    return guarded([&] { return result(op(self_of(self), x)); });
}
template <ApplyDoubleRight op> cm_object *with_double_right(cm_object *self, double x) {
    return guarded([&] { return result(op(x, self_of(self))); });
}
template <ApplyComplex op> cm_object *with_complex(cm_object *self, cm_object *x) {
    return guarded([&] { return complex_result(op(to_complex(self_of(self)), complex_arg(x))); });
}
template <ApplyComplexRight op> cm_object *with_complex_right(cm_object *self, cm_object *x) {
    return guarded([&] { return complex_result(op(complex_arg(x), to_complex(self_of(self)))); });
}

} // namespace

void add_global_entries(std::vector<cm_entry> &entries) {
    entries.push_back({"NumRows(theMatrix As Matrix) As Integer", entry_function(&rows_of<MatrixClass>)});
    entries.push_back({"NumColumns(theMatrix As Matrix) As Integer", entry_function(&columns_of<MatrixClass>)});
}

void add_matrix_entries(std::vector<cm_entry> &entries) {
    const cm_entry table[] = {
        {"Matrix.__init", entry_function(&init_hook<MatrixClass>)},
        {"Matrix.__exit", entry_function(&exit_hook<MatrixClass>)},
        {"Matrix.Constructor()",
         entry_function(+[](cm_object *self) { guarded([&] { self_of(self) = Eigen::MatrixXd(0, 0); }); })},
        {"Matrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer)",
         entry_function(+[](cm_object *self, int64_t rows, int64_t columns) {
             guarded([&] {
                 Eigen::MatrixXd &m = self_of(self);
                 m = zeros<double>(rows, columns);
             });
         })},
        // The text decides the shape; the counts are not used.
        {"Matrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer, matrixString As String)",
         entry_function(+[](cm_object *self, int64_t, int64_t, cm_string *text) {
             guarded([&] {
                 Eigen::MatrixXd &m = self_of(self);
                 m = read_matrix(text_of(text));
             });
         })},
        {"Matrix.Str() As String", entry_function(+[](cm_object *self) {
             return guarded([&] { return make_string(write_matrix(self_of(self))); });
         })},
        {"Matrix.Str2() As String", entry_function(+[](cm_object *self) {
             return guarded([&] { return make_string(write_matrix_short(self_of(self))); });
         })},
        {"Matrix.Element(rowIndex As Integer, columnIndex As Integer) As Double",
         entry_function(+[](cm_object *self, int64_t row, int64_t column) {
             return guarded([&] { return element(self_of(self), row, column); });
         })},
        {"Matrix.Operator_Negate() As Matrix",
         entry_function(+[](cm_object *self) { return guarded([&] { return result(-self_of(self)); }); })},

        // Addition and multiplication by a scalar are the same on either side.
        {"Matrix.Operator_Add(x As Matrix) As Matrix", entry_function(&with_matrix<&add<double>>)},
        {"Matrix.Operator_Add(x As Double) As Matrix", entry_function(&with_double<&add<double>>)},
        {"Matrix.Operator_AddRight(x As Double) As Matrix", entry_function(&with_double<&add<double>>)},
        {"Matrix.Operator_Add(x As Complex) As ComplexMatrix", entry_function(&with_complex<&add<Z>>)},
        {"Matrix.Operator_AddRight(x As Complex) As ComplexMatrix", entry_function(&with_complex<&add<Z>>)},

        {"Matrix.Operator_Subtract(x As Matrix) As Matrix", entry_function(&with_matrix<&subtract<double>>)},
        {"Matrix.Operator_Subtract(x As Double) As Matrix", entry_function(&with_double<&subtract<double>>)},
        {"Matrix.Operator_SubtractRight(x As Double) As Matrix", entry_function(&with_double_right<&subtract<double>>)},
        {"Matrix.Operator_Subtract(x As Complex) As ComplexMatrix", entry_function(&with_complex<&subtract<Z>>)},
        {"Matrix.Operator_SubtractRight(x As Complex) As ComplexMatrix",
         entry_function(&with_complex_right<&subtract<Z>>)},

        {"Matrix.Operator_Multiply(x As Matrix) As Matrix", entry_function(&with_matrix<&multiply<double>>)},
        {"Matrix.Operator_Multiply(x As Double) As Matrix", entry_function(&with_double<&multiply<double>>)},
        {"Matrix.Operator_MultiplyRight(x As Double) As Matrix", entry_function(&with_double<&multiply<double>>)},
        {"Matrix.Operator_Multiply(x As Complex) As ComplexMatrix", entry_function(&with_complex<&multiply<Z>>)},
        {"Matrix.Operator_MultiplyRight(x As Complex) As ComplexMatrix", entry_function(&with_complex<&multiply<Z>>)},

        {"Matrix.Operator_Divide(x As Double) As Matrix", entry_function(&with_double<&divide<double>>)},
        {"Matrix.Operator_DivideRight(x As Double) As Matrix", entry_function(&with_double_right<&divide<double>>)},
        {"Matrix.Operator_Divide(x As Complex) As ComplexMatrix", entry_function(&with_complex<&divide<Z>>)},
        {"Matrix.Operator_DivideRight(x As Complex) As ComplexMatrix", entry_function(&with_complex_right<&divide<Z>>)},
        {"Matrix.Operator_Divide(x As Matrix) As Matrix", entry_function(&with_matrix<&divide<double>>)},

        // A Nil operand is unequal: the object counts as the greater.
        {"Matrix.Operator_Compare(x As Matrix) As Integer", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&]() -> int64_t {
                 const Eigen::MatrixXd &m = self_of(self);
                 return x ? compare_matrices(m, matrix_arg(x)) : 1;
             });
         })},
        {"Matrix.Operator_Compare(x As ComplexMatrix) As Integer", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&]() -> int64_t {
                 const Eigen::MatrixXcd m = to_complex(self_of(self));
                 return x ? compare_matrices(m, value_of<ComplexMatrixClass>(x)) : 1;
             });
         })},
        {"Matrix.NumRows() As Integer", entry_function(&rows_of<MatrixClass>)},
        {"Matrix.NumColumns() As Integer", entry_function(&columns_of<MatrixClass>)},
    };
    entries.insert(entries.end(), std::begin(table), std::end(table));
}

} // namespace cmlib
