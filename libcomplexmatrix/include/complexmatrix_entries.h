/*
 * Every entry of libComplexMatrix64, named once for the program that loads
 * the library and for the library itself.
 *
 * CM_ENTRIES(X) expands X once per entry, in table order:
 *     X(index, name, declaration, result type, parameter list)
 * - index: the entry's place in the program's entry table, counted from 0;
 * - name: an identifier for the entry; CM_ENTRY_<name> is its index;
 * - declaration: the exact text by which the library offers the entry and
 *   the program binds it;
 * - result type and parameter list: the C signature of the entry's function,
 *   as the calling convention of complexmatrix_plugin.h gives it (receiver
 *   first).
 *
 * The order is fixed: 0 NumRows, 1 NumColumns, 2-26 Complex, 27-59 Matrix,
 * 60-102 ComplexMatrix, 103-110 Polynomial, each class's run opening with
 * its __init and __exit hooks. Entries are never reordered or renamed.
 */
#ifndef COMPLEXMATRIX_ENTRIES_H
#define COMPLEXMATRIX_ENTRIES_H

#include <stdint.h>

#include "complexmatrix_plugin.h"

/* clang-format off */
#define CM_ENTRIES(X) \
    X(  0, NumRows, "NumRows(theMatrix As Matrix) As Integer", int64_t, (cm_object *)) \
    X(  1, NumColumns, "NumColumns(theMatrix As Matrix) As Integer", int64_t, (cm_object *)) \
    X(  2, Complex_Init, "Complex.__init", void, (cm_object *)) \
    X(  3, Complex_Exit, "Complex.__exit", void, (cm_object *)) \
    X(  4, Complex_Real, "Complex.Real() as double", double, (cm_object *)) \
    X(  5, Complex_Imag, "Complex.Imag() as double", double, (cm_object *)) \
    X(  6, Complex_Str, "Complex.Str() as String", cm_string *, (cm_object *)) \
    X(  7, Complex_Str2, "Complex.Str2() as String", cm_string *, (cm_object *)) \
    X(  8, Complex_Str2EE, "Complex.Str2EE() as String", cm_string *, (cm_object *)) \
    X(  9, Complex_Constructor, "Complex.Constructor()", void, (cm_object *)) \
    X( 10, Complex_Constructor_ReIm, "Complex.Constructor(xRe as double, xIm as double)", void, (cm_object *, double, double)) \
    X( 11, Complex_Constructor_Double, "Complex.Constructor(x as double)", void, (cm_object *, double)) \
    X( 12, Complex_Constructor_Text, "Complex.Constructor(inputString As String)", void, (cm_object *, cm_string *)) \
    X( 13, Complex_Operator_Negate, "Complex.Operator_Negate() As Complex", cm_object *, (cm_object *)) \
    X( 14, Complex_Operator_Add_Complex, "Complex.Operator_Add(y As Complex) As Complex", cm_object *, (cm_object *, cm_object *)) \
    X( 15, Complex_Operator_Add_Double, "Complex.Operator_Add(yRe As Double) As Complex", cm_object *, (cm_object *, double)) \
    X( 16, Complex_Operator_AddRight, "Complex.Operator_AddRight(yRe As Double) As Complex", cm_object *, (cm_object *, double)) \
    X( 17, Complex_Operator_Subtract_Complex, "Complex.Operator_Subtract(y As Complex) As Complex", cm_object *, (cm_object *, cm_object *)) \
    X( 18, Complex_Operator_Subtract_Double, "Complex.Operator_Subtract(yRe As Double) As Complex", cm_object *, (cm_object *, double)) \
    X( 19, Complex_Operator_SubtractRight, "Complex.Operator_SubtractRight(yRe As Double) As Complex", cm_object *, (cm_object *, double)) \
    X( 20, Complex_Operator_Multiply_Complex, "Complex.Operator_Multiply(y As Complex) As Complex", cm_object *, (cm_object *, cm_object *)) \
    X( 21, Complex_Operator_Multiply_Double, "Complex.Operator_Multiply(yRe As Double) As Complex", cm_object *, (cm_object *, double)) \
    X( 22, Complex_Operator_MultiplyRight, "Complex.Operator_MultiplyRight(yRe As Double) As Complex", cm_object *, (cm_object *, double)) \
    X( 23, Complex_Operator_Divide_Complex, "Complex.Operator_Divide(y As Complex) As Complex", cm_object *, (cm_object *, cm_object *)) \
    X( 24, Complex_Operator_Divide_Double, "Complex.Operator_Divide(yRe As Double) As Complex", cm_object *, (cm_object *, double)) \
    X( 25, Complex_Operator_DivideRight, "Complex.Operator_DivideRight(yRe As Double) As Complex", cm_object *, (cm_object *, double)) \
    X( 26, Complex_Operator_Compare, "Complex.Operator_Compare(x As Complex) As Integer", int64_t, (cm_object *, cm_object *)) \
    X( 27, Matrix_Init, "Matrix.__init", void, (cm_object *)) \
    X( 28, Matrix_Exit, "Matrix.__exit", void, (cm_object *)) \
    X( 29, Matrix_Constructor, "Matrix.Constructor()", void, (cm_object *)) \
    X( 30, Matrix_Constructor_Shape, "Matrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer)", void, (cm_object *, int64_t, int64_t)) \
    X( 31, Matrix_Constructor_Text, "Matrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer, matrixString As String)", void, (cm_object *, int64_t, int64_t, cm_string *)) \
    X( 32, Matrix_Str, "Matrix.Str() As String", cm_string *, (cm_object *)) \
    X( 33, Matrix_Str2, "Matrix.Str2() As String", cm_string *, (cm_object *)) \
    X( 34, Matrix_Element, "Matrix.Element(rowIndex As Integer, columnIndex As Integer) As Double", double, (cm_object *, int64_t, int64_t)) \
    X( 35, Matrix_Operator_Negate, "Matrix.Operator_Negate() As Matrix", cm_object *, (cm_object *)) \
    X( 36, Matrix_Operator_Add_Matrix, "Matrix.Operator_Add(x As Matrix) As Matrix", cm_object *, (cm_object *, cm_object *)) \
    X( 37, Matrix_Operator_Add_Double, "Matrix.Operator_Add(x As Double) As Matrix", cm_object *, (cm_object *, double)) \
    X( 38, Matrix_Operator_AddRight_Double, "Matrix.Operator_AddRight(x As Double) As Matrix", cm_object *, (cm_object *, double)) \
    X( 39, Matrix_Operator_Add_Complex, "Matrix.Operator_Add(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 40, Matrix_Operator_AddRight_Complex, "Matrix.Operator_AddRight(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 41, Matrix_Operator_Subtract_Matrix, "Matrix.Operator_Subtract(x As Matrix) As Matrix", cm_object *, (cm_object *, cm_object *)) \
    X( 42, Matrix_Operator_Subtract_Double, "Matrix.Operator_Subtract(x As Double) As Matrix", cm_object *, (cm_object *, double)) \
    X( 43, Matrix_Operator_SubtractRight_Double, "Matrix.Operator_SubtractRight(x As Double) As Matrix", cm_object *, (cm_object *, double)) \
    X( 44, Matrix_Operator_Subtract_Complex, "Matrix.Operator_Subtract(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 45, Matrix_Operator_SubtractRight_Complex, "Matrix.Operator_SubtractRight(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 46, Matrix_Operator_Multiply_Matrix, "Matrix.Operator_Multiply(x As Matrix) As Matrix", cm_object *, (cm_object *, cm_object *)) \
    X( 47, Matrix_Operator_Multiply_Double, "Matrix.Operator_Multiply(x As Double) As Matrix", cm_object *, (cm_object *, double)) \
    X( 48, Matrix_Operator_MultiplyRight_Double, "Matrix.Operator_MultiplyRight(x As Double) As Matrix", cm_object *, (cm_object *, double)) \
    X( 49, Matrix_Operator_Multiply_Complex, "Matrix.Operator_Multiply(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 50, Matrix_Operator_MultiplyRight_Complex, "Matrix.Operator_MultiplyRight(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 51, Matrix_Operator_Divide_Double, "Matrix.Operator_Divide(x As Double) As Matrix", cm_object *, (cm_object *, double)) \
    X( 52, Matrix_Operator_DivideRight_Double, "Matrix.Operator_DivideRight(x As Double) As Matrix", cm_object *, (cm_object *, double)) \
    X( 53, Matrix_Operator_Divide_Complex, "Matrix.Operator_Divide(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 54, Matrix_Operator_DivideRight_Complex, "Matrix.Operator_DivideRight(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 55, Matrix_Operator_Divide_Matrix, "Matrix.Operator_Divide(x As Matrix) As Matrix", cm_object *, (cm_object *, cm_object *)) \
    X( 56, Matrix_Operator_Compare_Matrix, "Matrix.Operator_Compare(x As Matrix) As Integer", int64_t, (cm_object *, cm_object *)) \
    X( 57, Matrix_Operator_Compare_ComplexMatrix, "Matrix.Operator_Compare(x As ComplexMatrix) As Integer", int64_t, (cm_object *, cm_object *)) \
    X( 58, Matrix_NumRows, "Matrix.NumRows() As Integer", int64_t, (cm_object *)) \
    X( 59, Matrix_NumColumns, "Matrix.NumColumns() As Integer", int64_t, (cm_object *)) \
    X( 60, ComplexMatrix_Init, "ComplexMatrix.__init", void, (cm_object *)) \
    X( 61, ComplexMatrix_Exit, "ComplexMatrix.__exit", void, (cm_object *)) \
    X( 62, ComplexMatrix_Constructor, "ComplexMatrix.Constructor()", void, (cm_object *)) \
    X( 63, ComplexMatrix_Constructor_Shape, "ComplexMatrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer)", void, (cm_object *, int64_t, int64_t)) \
    X( 64, ComplexMatrix_Constructor_Text, "ComplexMatrix.Constructor(numberOfRows As Integer, numberOfColumns As Integer,  ComplexMatrixString As String)", void, (cm_object *, int64_t, int64_t, cm_string *)) \
    X( 65, ComplexMatrix_Str, "ComplexMatrix.Str() As String", cm_string *, (cm_object *)) \
    X( 66, ComplexMatrix_Str2, "ComplexMatrix.Str2() As String", cm_string *, (cm_object *)) \
    X( 67, ComplexMatrix_Real, "ComplexMatrix.Real() as Matrix", cm_object *, (cm_object *)) \
    X( 68, ComplexMatrix_Imag, "ComplexMatrix.Imag() as Matrix", cm_object *, (cm_object *)) \
    X( 69, ComplexMatrix_Element, "ComplexMatrix.Element(rowIndex As Integer, columnIndex As Integer) As Complex", cm_object *, (cm_object *, int64_t, int64_t)) \
    X( 70, ComplexMatrix_Operator_Negate, "ComplexMatrix.Operator_Negate() As ComplexMatrix", cm_object *, (cm_object *)) \
    X( 71, ComplexMatrix_Operator_Add_ComplexMatrix, "ComplexMatrix.Operator_Add(x As ComplexMatrix) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 72, ComplexMatrix_Operator_Add_Matrix, "ComplexMatrix.Operator_Add(x As Matrix) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 73, ComplexMatrix_Operator_AddRight_Matrix, "ComplexMatrix.Operator_AddRight(x As Matrix) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 74, ComplexMatrix_Operator_Add_Complex, "ComplexMatrix.Operator_Add(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 75, ComplexMatrix_Operator_AddRight_Complex, "ComplexMatrix.Operator_AddRight(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 76, ComplexMatrix_Operator_Add_Double, "ComplexMatrix.Operator_Add(x As Double) As ComplexMatrix", cm_object *, (cm_object *, double)) \
    X( 77, ComplexMatrix_Operator_AddRight_Double, "ComplexMatrix.Operator_AddRight(x As Double) As ComplexMatrix", cm_object *, (cm_object *, double)) \
    X( 78, ComplexMatrix_Operator_Subtract_ComplexMatrix, "ComplexMatrix.Operator_Subtract(x As ComplexMatrix) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 79, ComplexMatrix_Operator_Subtract_Matrix, "ComplexMatrix.Operator_Subtract(x As Matrix) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 80, ComplexMatrix_Operator_SubtractRight_Matrix, "ComplexMatrix.Operator_SubtractRight(x As Matrix) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 81, ComplexMatrix_Operator_Subtract_Complex, "ComplexMatrix.Operator_Subtract(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 82, ComplexMatrix_Operator_SubtractRight_Complex, "ComplexMatrix.Operator_SubtractRight(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 83, ComplexMatrix_Operator_Subtract_Double, "ComplexMatrix.Operator_Subtract(x As Double) As ComplexMatrix", cm_object *, (cm_object *, double)) \
    X( 84, ComplexMatrix_Operator_SubtractRight_Double, "ComplexMatrix.Operator_SubtractRight(x As Double) As ComplexMatrix", cm_object *, (cm_object *, double)) \
    X( 85, ComplexMatrix_Operator_Multiply_ComplexMatrix, "ComplexMatrix.Operator_Multiply(x As ComplexMatrix) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 86, ComplexMatrix_Operator_Multiply_Matrix, "ComplexMatrix.Operator_Multiply(x As Matrix) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 87, ComplexMatrix_Operator_MultiplyRight_Matrix, "ComplexMatrix.Operator_MultiplyRight(x As Matrix) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 88, ComplexMatrix_Operator_Multiply_Complex, "ComplexMatrix.Operator_Multiply(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 89, ComplexMatrix_Operator_MultiplyRight_Complex, "ComplexMatrix.Operator_MultiplyRight(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 90, ComplexMatrix_Operator_Multiply_Double, "ComplexMatrix.Operator_Multiply(x As Double) As ComplexMatrix", cm_object *, (cm_object *, double)) \
    X( 91, ComplexMatrix_Operator_MultiplyRight_Double, "ComplexMatrix.Operator_MultiplyRight(x As Double) As ComplexMatrix", cm_object *, (cm_object *, double)) \
    X( 92, ComplexMatrix_Operator_Divide_ComplexMatrix, "ComplexMatrix.Operator_Divide(x As ComplexMatrix) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 93, ComplexMatrix_Operator_Divide_Matrix, "ComplexMatrix.Operator_Divide(x As Matrix) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 94, ComplexMatrix_Operator_DivideRight_Matrix, "ComplexMatrix.Operator_DivideRight(x As Matrix) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 95, ComplexMatrix_Operator_Divide_Complex, "ComplexMatrix.Operator_Divide(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 96, ComplexMatrix_Operator_DivideRight_Complex, "ComplexMatrix.Operator_DivideRight(x As Complex) As ComplexMatrix", cm_object *, (cm_object *, cm_object *)) \
    X( 97, ComplexMatrix_Operator_Divide_Double, "ComplexMatrix.Operator_Divide(x As Double) As ComplexMatrix", cm_object *, (cm_object *, double)) \
    X( 98, ComplexMatrix_Operator_DivideRight_Double, "ComplexMatrix.Operator_DivideRight(x As Double) As ComplexMatrix", cm_object *, (cm_object *, double)) \
    X( 99, ComplexMatrix_Operator_Compare_ComplexMatrix, "ComplexMatrix.Operator_Compare(x As ComplexMatrix) As Integer", int64_t, (cm_object *, cm_object *)) \
    X(100, ComplexMatrix_Operator_Compare_Matrix, "ComplexMatrix.Operator_Compare(x As Matrix) As Integer", int64_t, (cm_object *, cm_object *)) \
    X(101, ComplexMatrix_NumRows, "ComplexMatrix.NumRows() As Integer", int64_t, (cm_object *)) \
    X(102, ComplexMatrix_NumColumns, "ComplexMatrix.NumColumns() As Integer", int64_t, (cm_object *)) \
    X(103, Polynomial_Init, "Polynomial.__init", void, (cm_object *)) \
    X(104, Polynomial_Exit, "Polynomial.__exit", void, (cm_object *)) \
    X(105, Polynomial_Constructor, "Polynomial.Constructor()", void, (cm_object *)) \
    X(106, Polynomial_Constructor_Text, "Polynomial.Constructor(n As Integer, inputString As String)", void, (cm_object *, int64_t, cm_string *)) \
    X(107, Polynomial_Str, "Polynomial.Str() as String", cm_string *, (cm_object *)) \
    X(108, Polynomial_Coeff, "Polynomial.Coeff(Index As Integer) as Complex", cm_object *, (cm_object *, int64_t)) \
    X(109, Polynomial_SetCoeff_Complex, "Polynomial.SetCoeff(Index As Integer, x As Complex)", void, (cm_object *, int64_t, cm_object *)) \
    X(110, Polynomial_SetCoeff_ReIm, "Polynomial.SetCoeff(Index As Integer, xRe As Double, xIm As Double)", void, (cm_object *, int64_t, double, double))

/* clang-format on */

#define CM_ENTRY_INDEX_(index, name, declaration, result, parameters) CM_ENTRY_##name = index,
enum cm_entry_index { CM_ENTRIES(CM_ENTRY_INDEX_) CM_ENTRY_COUNT = 111 };
#undef CM_ENTRY_INDEX_

#ifdef __cplusplus
#include <iterator>

namespace cm {

// What the list says of the entry at Index: its declaration and the type of
// its function.
template <int Index> struct Entry;

#define CM_ENTRY_TRAITS_(index, name, declaration_, result, parameters)                                                \
    template <> struct Entry<index> {                                                                                  \
        static constexpr const char *declaration = declaration_;                                                       \
        using Function = result(*) parameters;                                                                         \
    };
CM_ENTRIES(CM_ENTRY_TRAITS_)
#undef CM_ENTRY_TRAITS_

// The declarations by index.
#define CM_ENTRY_DECLARATION_(index, name, declaration, result, parameters) declaration,
inline constexpr const char *kDeclarations[CM_ENTRY_COUNT] = {CM_ENTRIES(CM_ENTRY_DECLARATION_)};
#undef CM_ENTRY_DECLARATION_

// Each index names its own place in the table: no gap, no repeat.
inline constexpr bool IndicesAreTableOrder() {
#define CM_ENTRY_POSITION_(index, name, declaration, result, parameters) index,
    constexpr int indices[] = {CM_ENTRIES(CM_ENTRY_POSITION_)};
#undef CM_ENTRY_POSITION_
    static_assert(std::size(indices) == CM_ENTRY_COUNT);
    for (int k = 0; k < CM_ENTRY_COUNT; ++k)
        if (indices[k] != k) return false;
    return true;
}
static_assert(IndicesAreTableOrder());

} // namespace cm
#endif

#endif /* COMPLEXMATRIX_ENTRIES_H */
