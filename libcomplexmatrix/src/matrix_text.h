#pragma once

#include <complex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <Eigen/Core>

// Matrix text: one matrix row per line, lines ended by CR, LF or CR LF (the
// last line may have no end), values separated by runs of blanks, tabs or
// no-break spaces, with separators at the start and end of a line ignored.
// Empty or separator-only lines before the first row and after the last are
// ignored.
namespace cmlib {

// The matrix that the text holds, each value as scan_real reads it. Text that
// is not such a matrix (a value that is not a number, rows of different
// lengths, an empty line between rows, any other character) gives a 0 x 0
// matrix, so that a caller comparing the shape with the one it expects sees
// the mismatch. Empty text gives 0 x 0 too. Never throws but std::bad_alloc.
Eigen::MatrixXd read_matrix(std::string_view text);

// The same for values that are complex numbers ("1+2i  -3i  4").
Eigen::MatrixXcd read_complex_matrix(std::string_view text);

// Complex numbers separated by any run of separators and line ends, in text
// order; nothing when a value can't be read.
std::optional<std::vector<std::complex<double>>> read_complex_list(std::string_view text);

// One row per line, every line ended by CR, each value in its shortest text
// that reads back to the same double. Columns are aligned on the decimal
// point for a fixed-width font: integer parts padded on the left to the
// column's widest, fraction parts (or the exponent of a value without a
// point) on the right; two blanks between columns, none at a line's end.
// read_matrix gives back the same matrix. A matrix without values gives the
// empty text.
std::string write_matrix(const Eigen::MatrixXd &m);

// The readable form: one row per line ended by CR, each value to six
// significant digits, one blank between values.
std::string write_matrix_short(const Eigen::MatrixXd &m);

// One row per line ended by CR, each value as format_complex writes it,
// columns padded on the right to their widest, two blanks between columns,
// none at a line's end. read_complex_matrix gives back the same matrix.
std::string write_complex_matrix(const Eigen::MatrixXcd &m);

// As write_matrix_short, each value as format_complex_short writes it.
std::string write_complex_matrix_short(const Eigen::MatrixXcd &m);

} // namespace cmlib
