#pragma once

#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <string>

#include <Eigen/Core>
#include <Eigen/LU>

#include "host.h"

// The arithmetic of the value classes on real (double) and complex scalars.
// A matrix and a scalar add and subtract element by element; dividing by a
// matrix multiplies by its inverse, so x / M is x times the inverse of M.
namespace cmlib {

template <class S> using Mat = Eigen::Matrix<S, Eigen::Dynamic, Eigen::Dynamic>;

inline Eigen::MatrixXcd to_complex(const Eigen::MatrixXd &m) { return m.cast<std::complex<double>>(); }

// A rows x columns matrix of zeros; the counts are checked first.
template <class S> Mat<S> zeros(int64_t rows, int64_t columns) {
    if (rows < 0 || columns < 0) {
        fail("BadArgumentException",
             "a matrix can't have " + std::to_string(rows) + " rows and " + std::to_string(columns) + " columns");
    }
    const int64_t limit = std::numeric_limits<Eigen::Index>::max() / static_cast<int64_t>(sizeof(S));
    if (rows != 0 && columns > limit / rows) {
        fail("OverflowOrUnderflowException",
             "a matrix of " + std::to_string(rows) + " x " + std::to_string(columns) + " values is too large");
    }
    return Mat<S>::Zero(rows, columns);
}

template <class S> void check_same_shape(const Mat<S> &a, const Mat<S> &b) {
    if (a.rows() != b.rows() || a.cols() != b.cols()) {
        fail("RowColumnMismatch", "the matrices are " + std::to_string(a.rows()) + " x " + std::to_string(a.cols()) +
                                      " and " + std::to_string(b.rows()) + " x " + std::to_string(b.cols()));
    }
}

template <class S> void check_chain(const Mat<S> &a, const Mat<S> &b) {
    if (a.cols() != b.rows()) {
        fail("RowColumnMismatch", "a " + std::to_string(a.rows()) + " x " + std::to_string(a.cols()) +
                                      " matrix can't multiply a " + std::to_string(b.rows()) + " x " +
                                      std::to_string(b.cols()) + " matrix");
    }
}

template <class S> void check_square(const Mat<S> &m) {
    if (m.rows() != m.cols()) {
        fail("RowColumnMismatch", "only a square matrix has an inverse, not a " + std::to_string(m.rows()) + " x " +
                                      std::to_string(m.cols()) + " one");
    }
}

template <class S> Mat<S> inverse(const Mat<S> &m) {
    check_square(m);
    if (m.rows() == 0) return m;
    const Eigen::FullPivLU<Mat<S>> lu(m);
    if (!lu.isInvertible()) fail("DivideByZeroException", "the matrix has no inverse");
    return lu.inverse();
}

template <class S> void check_divisor(S x) {
    if (x == S(0)) fail("DivideByZeroException", "division by zero");
}

template <class S> Mat<S> add(const Mat<S> &a, const Mat<S> &b) {
    check_same_shape(a, b);
    return a + b;
}
template <class S> Mat<S> add(const Mat<S> &a, S x) { return (a.array() + x).matrix(); }

template <class S> Mat<S> subtract(const Mat<S> &a, const Mat<S> &b) {
    check_same_shape(a, b);
    return a - b;
}
template <class S> Mat<S> subtract(const Mat<S> &a, S x) { return (a.array() - x).matrix(); }
template <class S> Mat<S> subtract(S x, const Mat<S> &a) { return (x - a.array()).matrix(); }

template <class S> Mat<S> multiply(const Mat<S> &a, const Mat<S> &b) {
    check_chain(a, b);
    return a * b;
}
template <class S> Mat<S> multiply(const Mat<S> &a, S x) { return a * x; }

// a times the inverse of b: the shapes are checked before the inverse is sought.
template <class S> Mat<S> divide(const Mat<S> &a, const Mat<S> &b) {
    check_square(b);
    check_chain(a, b);
    return a * inverse(b);
}
template <class S> Mat<S> divide(const Mat<S> &a, S x) {
    check_divisor(x);
    return a / x;
}
// x times the inverse of a.
template <class S> Mat<S> divide(S x, const Mat<S> &a) { return inverse(a) * x; }

// A total order for the comparison operators: NaN above every number and
// equal to itself; 0 and -0 equal.
inline int compare_numbers(double a, double b) {
    if (a < b) return -1;
    if (a > b) return 1;
    const bool a_nan = std::isnan(a);
    const bool b_nan = std::isnan(b);
    return a_nan == b_nan ? 0 : (a_nan ? 1 : -1);
}

// Complex numbers by real part, then by imaginary part.
inline int compare_numbers(std::complex<double> a, std::complex<double> b) {
    const int by_real = compare_numbers(a.real(), b.real());
    return by_real != 0 ? by_real : compare_numbers(a.imag(), b.imag());
}

// Matrices by row count, then column count, then their values row by row.
template <class S> int compare_matrices(const Mat<S> &a, const Mat<S> &b) {
    if (a.rows() != b.rows()) return a.rows() < b.rows() ? -1 : 1;
    if (a.cols() != b.cols()) return a.cols() < b.cols() ? -1 : 1;
    for (Eigen::Index r = 0; r < a.rows(); ++r) {
        for (Eigen::Index c = 0; c < a.cols(); ++c) {
            if (const int order = compare_numbers(a(r, c), b(r, c))) return order;
        }
    }
    return 0;
}

// Kept out of line so that reading an element stays a few instructions.
[[noreturn, gnu::cold, gnu::noinline]] inline void fail_no_element(int64_t row, int64_t column, int64_t rows,
                                                                   int64_t columns) {
    fail("BadEntryNumberException", "no element (" + std::to_string(row) + ", " + std::to_string(column) + ") in a " +
                                        std::to_string(rows) + " x " + std::to_string(columns) + " matrix");
}

// The element at (row, column), zero-based.
template <class S> S element(const Mat<S> &m, int64_t row, int64_t column) {
    if (row < 0 || column < 0 || row >= m.rows() || column >= m.cols()) [[unlikely]]
        fail_no_element(row, column, m.rows(), m.cols());
    return m(row, column);
}

} // namespace cmlib
