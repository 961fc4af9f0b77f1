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

int64_t rows_of(cm_object *m) {
    return guarded([&] { return static_cast<int64_t>(self_of(m).rows()); });
}
int64_t columns_of(cm_object *m) {
    return guarded([&] { return static_cast<int64_t>(self_of(m).cols()); });
}

} // namespace

void add_global_entries(std::vector<cm_entry> &entries) {
    entries.push_back({"NumRows(theMatrix As Matrix) As Integer", entry_function(&rows_of)});
    entries.push_back({"NumColumns(theMatrix As Matrix) As Integer", entry_function(&columns_of)});
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

        {"Matrix.Operator_Add(x As Matrix) As Matrix", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&] { return result(add(self_of(self), matrix_arg(x))); });
         })},
        {"Matrix.Operator_Add(x As Double) As Matrix", entry_function(+[](cm_object *self, double x) {
             return guarded([&] { return result(add(self_of(self), x)); });
         })},
        {"Matrix.Operator_AddRight(x As Double) As Matrix", entry_function(+[](cm_object *self, double x) {
             return guarded([&] { return result(add(self_of(self), x)); });
         })},
        {"Matrix.Operator_Add(x As Complex) As ComplexMatrix", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&] { return complex_result(add(to_complex(self_of(self)), complex_arg(x))); });
         })},
        {"Matrix.Operator_AddRight(x As Complex) As ComplexMatrix", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&] { return complex_result(add(to_complex(self_of(self)), complex_arg(x))); });
         })},

        {"Matrix.Operator_Subtract(x As Matrix) As Matrix", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&] { return result(subtract(self_of(self), matrix_arg(x))); });
         })},
        {"Matrix.Operator_Subtract(x As Double) As Matrix", entry_function(+[](cm_object *self, double x) {
             return guarded([&] { return result(subtract(self_of(self), x)); });
         })},
        {"Matrix.Operator_SubtractRight(x As Double) As Matrix", entry_function(+[](cm_object *self, double x) {
             return guarded([&] { return result(subtract(x, self_of(self))); });
         })},
        {"Matrix.Operator_Subtract(x As Complex) As ComplexMatrix", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&] { return complex_result(subtract(to_complex(self_of(self)), complex_arg(x))); });
         })},
        {"Matrix.Operator_SubtractRight(x As Complex) As ComplexMatrix",
         entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&] { return complex_result(subtract(complex_arg(x), to_complex(self_of(self)))); });
         })},

        {"Matrix.Operator_Multiply(x As Matrix) As Matrix", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&] { return result(multiply(self_of(self), matrix_arg(x))); });
         })},
        {"Matrix.Operator_Multiply(x As Double) As Matrix", entry_function(+[](cm_object *self, double x) {
             return guarded([&] { return result(multiply(self_of(self), x)); });
         })},
        {"Matrix.Operator_MultiplyRight(x As Double) As Matrix", entry_function(+[](cm_object *self, double x) {
             return guarded([&] { return result(multiply(self_of(self), x)); });
         })},
        {"Matrix.Operator_Multiply(x As Complex) As ComplexMatrix", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&] { return complex_result(multiply(to_complex(self_of(self)), complex_arg(x))); });
         })},
        {"Matrix.Operator_MultiplyRight(x As Complex) As ComplexMatrix",
         entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&] { return complex_result(multiply(to_complex(self_of(self)), complex_arg(x))); });
         })},

        {"Matrix.Operator_Divide(x As Double) As Matrix", entry_function(+[](cm_object *self, double x) {
             return guarded([&] { return result(divide(self_of(self), x)); });
         })},
        {"Matrix.Operator_DivideRight(x As Double) As Matrix", entry_function(+[](cm_object *self, double x) {
             return guarded([&] { return result(divide(x, self_of(self))); });
         })},
        {"Matrix.Operator_Divide(x As Complex) As ComplexMatrix", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&] { return complex_result(divide(to_complex(self_of(self)), complex_arg(x))); });
         })},
        {"Matrix.Operator_DivideRight(x As Complex) As ComplexMatrix",
         entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&] { return complex_result(divide(complex_arg(x), to_complex(self_of(self)))); });
         })},
        {"Matrix.Operator_Divide(x As Matrix) As Matrix", entry_function(+[](cm_object *self, cm_object *x) {
             return guarded([&] { return result(divide(self_of(self), matrix_arg(x))); });
         })},

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
        {"Matrix.NumRows() As Integer", entry_function(&rows_of)},
        {"Matrix.NumColumns() As Integer", entry_function(&columns_of)},
    };
    entries.insert(entries.end(), std::begin(table), std::end(table));
}

} // namespace cmlib
