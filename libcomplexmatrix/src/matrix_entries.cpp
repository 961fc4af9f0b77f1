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

void add_global_entries(std::vector<Registration> &entries) {
    entries.push_back(offer<CM_ENTRY_NumRows>(&rows_of<MatrixClass>));
    entries.push_back(offer<CM_ENTRY_NumColumns>(&columns_of<MatrixClass>));
}

void add_matrix_entries(std::vector<Registration> &entries) {
    const Registration table[] = {
        offer<CM_ENTRY_Matrix_Init>(&init_hook<MatrixClass>),
        offer<CM_ENTRY_Matrix_Exit>(&exit_hook<MatrixClass>),
        offer<CM_ENTRY_Matrix_Constructor>(
            +[](cm_object *self) { guarded([&] { self_of(self) = Eigen::MatrixXd(0, 0); }); }),
        offer<CM_ENTRY_Matrix_Constructor_Shape>(+[](cm_object *self, int64_t rows, int64_t columns) {
            guarded([&] {
                Eigen::MatrixXd &m = self_of(self);
                m = zeros<double>(rows, columns);
            });
        }),
        // The text decides the shape; the counts are not used.
        offer<CM_ENTRY_Matrix_Constructor_Text>(+[](cm_object *self, int64_t, int64_t, cm_string *text) {
            guarded([&] {
                Eigen::MatrixXd &m = self_of(self);
                m = read_matrix(text_of(text));
            });
        }),
        offer<CM_ENTRY_Matrix_Str>(
            +[](cm_object *self) { return guarded([&] { return make_string(write_matrix(self_of(self))); }); }),
        offer<CM_ENTRY_Matrix_Str2>(
            +[](cm_object *self) { return guarded([&] { return make_string(write_matrix_short(self_of(self))); }); }),
        offer<CM_ENTRY_Matrix_Element>(+[](cm_object *self, int64_t row, int64_t column) {
            return guarded([&] { return element(self_of(self), row, column); });
        }),
        offer<CM_ENTRY_Matrix_Operator_Negate>(
            +[](cm_object *self) { return guarded([&] { return result(-self_of(self)); }); }),

        // Addition and multiplication by a scalar are the same on either side.
        offer<CM_ENTRY_Matrix_Operator_Add_Matrix>(&with_matrix<&add<double>>),
        offer<CM_ENTRY_Matrix_Operator_Add_Double>(&with_double<&add<double>>),
        offer<CM_ENTRY_Matrix_Operator_AddRight_Double>(&with_double<&add<double>>),
        offer<CM_ENTRY_Matrix_Operator_Add_Complex>(&with_complex<&add<Z>>),
        offer<CM_ENTRY_Matrix_Operator_AddRight_Complex>(&with_complex<&add<Z>>),

        offer<CM_ENTRY_Matrix_Operator_Subtract_Matrix>(&with_matrix<&subtract<double>>),
        offer<CM_ENTRY_Matrix_Operator_Subtract_Double>(&with_double<&subtract<double>>),
        offer<CM_ENTRY_Matrix_Operator_SubtractRight_Double>(&with_double_right<&subtract<double>>),
        offer<CM_ENTRY_Matrix_Operator_Subtract_Complex>(&with_complex<&subtract<Z>>),
        offer<CM_ENTRY_Matrix_Operator_SubtractRight_Complex>(&with_complex_right<&subtract<Z>>),

        offer<CM_ENTRY_Matrix_Operator_Multiply_Matrix>(&with_matrix<&multiply<double>>),
        offer<CM_ENTRY_Matrix_Operator_Multiply_Double>(&with_double<&multiply<double>>),
        offer<CM_ENTRY_Matrix_Operator_MultiplyRight_Double>(&with_double<&multiply<double>>),
        offer<CM_ENTRY_Matrix_Operator_Multiply_Complex>(&with_complex<&multiply<Z>>),
        offer<CM_ENTRY_Matrix_Operator_MultiplyRight_Complex>(&with_complex<&multiply<Z>>),

        offer<CM_ENTRY_Matrix_Operator_Divide_Double>(&with_double<&divide<double>>),
        offer<CM_ENTRY_Matrix_Operator_DivideRight_Double>(&with_double_right<&divide<double>>),
        offer<CM_ENTRY_Matrix_Operator_Divide_Complex>(&with_complex<&divide<Z>>),
        offer<CM_ENTRY_Matrix_Operator_DivideRight_Complex>(&with_complex_right<&divide<Z>>),
        offer<CM_ENTRY_Matrix_Operator_Divide_Matrix>(&with_matrix<&divide<double>>),

        // A Nil operand is unequal: the object counts as the greater.
        offer<CM_ENTRY_Matrix_Operator_Compare_Matrix>(+[](cm_object *self, cm_object *x) {
            return guarded([&]() -> int64_t {
                const Eigen::MatrixXd &m = self_of(self);
                return x ? compare_matrices(m, matrix_arg(x)) : 1;
            });
        }),
        offer<CM_ENTRY_Matrix_Operator_Compare_ComplexMatrix>(+[](cm_object *self, cm_object *x) {
            return guarded([&]() -> int64_t {
                const Eigen::MatrixXcd m = to_complex(self_of(self));
                return x ? compare_matrices(m, value_of<ComplexMatrixClass>(x)) : 1;
            });
        }),
        offer<CM_ENTRY_Matrix_NumRows>(&rows_of<MatrixClass>),
        offer<CM_ENTRY_Matrix_NumColumns>(&columns_of<MatrixClass>),
    };
    entries.insert(entries.end(), std::begin(table), std::end(table));
}

} // namespace cmlib
