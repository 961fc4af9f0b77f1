#include "matrix_text.h"

#include <algorithm>
#include <array>

#include "number_text.h"

namespace cmlib {

namespace {

std::size_t scan_value(std::string_view text, double &value) { return scan_real(text, value); }
std::size_t scan_value(std::string_view text, std::complex<double> &value) { return scan_complex(text, value); }

// Reads the value at `at`: the count of characters read, 0 when no value
// stands there or when it runs on into something that is neither a
// separator nor a line end.
template <class Scalar> std::size_t scan_cell(std::string_view text, std::size_t at, Scalar &value) {
    const std::size_t used = scan_value(text.substr(at), value);
    const std::size_t end = at + used;
    if (used == 0 || (end < text.size() && !is_line_end(text[end]) && separator_length(text, end) == 0)) return 0;
    return used;
}

// Reads the grid of values row by row; false when the text is no matrix.
template <class Scalar>
bool read_grid(std::string_view text, std::vector<Scalar> &values, std::size_t &rows, std::size_t &columns) {
    const std::size_t n = text.size();
    std::size_t i = 0;
    bool empty_line_seen = false;
    rows = 0;
    columns = 0;
    while (i < n) {
        std::size_t count = 0;
        while (i < n && !is_line_end(text[i])) {
            if (text[i] == ' ') { // the usual separator, often in runs
                ++i;
                continue;
            }
            if (const std::size_t s = separator_length(text, i)) {
                i += s;
                continue;
            }
            Scalar value{};
            const std::size_t used = scan_cell(text, i, value);
            if (used == 0) return false;
            i += used;
            values.push_back(value);
            ++count;
        }
        // One line end: CR, LF or CR LF.
        if (i < n) {
            const bool cr = text[i] == '\r';
            ++i;
            if (cr && i < n && text[i] == '\n') ++i;
        }
        if (count == 0) {
            // Empty lines before the first row (a paste that starts with a
            // line end) and after the last are ignored; between rows they
            // leave it open what the user meant.
            empty_line_seen = rows > 0;
        } else {
            if (empty_line_seen) return false;
            if (rows == 0) {
                columns = count;
            } else if (count != columns) {
                return false;
            }
            ++rows;
        }
    }
    return true;
}

template <class Scalar> Eigen::Matrix<Scalar, Eigen::Dynamic, Eigen::Dynamic> read_any(std::string_view text) {
    using Result = Eigen::Matrix<Scalar, Eigen::Dynamic, Eigen::Dynamic>;
    using RowMajor = Eigen::Matrix<Scalar, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;
    std::vector<Scalar> values;
    std::size_t rows = 0;
    std::size_t columns = 0;
    if (!read_grid(text, values, rows, columns) || rows == 0) return Result(0, 0);
    return Eigen::Map<const RowMajor>(values.data(), static_cast<Eigen::Index>(rows),
                                      static_cast<Eigen::Index>(columns));
}

// The part of a number's text that stands left of its decimal point: up to
// the point, else up to the exponent, else all of it ("inf", "12").
std::size_t integer_part_length(std::string_view cell) {
    const std::size_t point = cell.find('.');
    if (point != std::string_view::npos) return point;
    const std::size_t exponent = cell.find('e');
    return exponent != std::string_view::npos ? exponent : cell.size();
}

// Writes each value with `format`, which appends its text to a string, into
// CR-ended lines, two blanks between columns and none at a line's end. The
// first `lead_of(cell)` characters of a cell are padded on the left to the
// column's widest such part, the rest on the right to the widest rest.
template <class Matrix, class Format, class Lead>
std::string write_aligned(const Matrix &m, Format format, Lead lead_of) {
    const Eigen::Index rows = m.rows();
    const Eigen::Index columns = m.cols();
    if (rows == 0 || columns == 0) return {};
    const std::size_t count = static_cast<std::size_t>(rows * columns);
    // Every cell's text, one after the other, and where each one starts.
    std::string texts;
    std::vector<std::size_t> starts;
    std::vector<std::size_t> lead;
    texts.reserve(count * 8);
    starts.reserve(count + 1);
    lead.reserve(count);
    std::vector<std::size_t> left_width(static_cast<std::size_t>(columns), 0);
    std::vector<std::size_t> right_width(static_cast<std::size_t>(columns), 0);
    for (Eigen::Index r = 0; r < rows; ++r) {
        for (Eigen::Index c = 0; c < columns; ++c) {
            const std::size_t start = texts.size();
            format(m(r, c), texts);
            const std::string_view cell(texts.data() + start, texts.size() - start);
            const std::size_t left = lead_of(cell);
            left_width[c] = std::max(left_width[c], left);
            right_width[c] = std::max(right_width[c], cell.size() - left);
            starts.push_back(start);
            lead.push_back(left);
        }
    }
    starts.push_back(texts.size());

    // Every line at its full width: the text fits without growing.
    std::size_t line_width = 2 * static_cast<std::size_t>(columns - 1) + 1;
    for (Eigen::Index c = 0; c < columns; ++c)
        line_width += left_width[c] + right_width[c];
    std::string out;
    out.reserve(line_width * static_cast<std::size_t>(rows));
    for (Eigen::Index r = 0; r < rows; ++r) {
        const std::size_t line_start = out.size();
        for (Eigen::Index c = 0; c < columns; ++c) {
            const std::size_t k = static_cast<std::size_t>(r * columns + c);
            const std::string_view cell(texts.data() + starts[k], starts[k + 1] - starts[k]);
            if (c > 0) out.append(2, ' ');
            out.append(left_width[c] - lead[k], ' ');
            out += cell;
            out.append(right_width[c] - (cell.size() - lead[k]), ' ');
        }
        const std::size_t last = out.find_last_not_of(' ');
        out.resize(last == std::string::npos || last < line_start ? line_start : last + 1);
        out.push_back('\r');
    }
    return out;
}

} // namespace

Eigen::MatrixXd read_matrix(std::string_view text) { return read_any<double>(text); }

Eigen::MatrixXcd read_complex_matrix(std::string_view text) { return read_any<std::complex<double>>(text); }

std::optional<std::vector<std::complex<double>>> read_complex_list(std::string_view text) {
    std::vector<std::complex<double>> values;
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        if (is_line_end(text[i])) {
            ++i;
            continue;
        }
        if (const std::size_t s = separator_length(text, i)) {
            i += s;
            continue;
        }
        std::complex<double> value;
        const std::size_t used = scan_cell(text, i, value);
        if (used == 0) return std::nullopt;
        i += used;
        values.push_back(value);
    }
    return values;
}

std::string write_matrix(const Eigen::MatrixXd &m) {
    const auto append_shortest = [](double x, std::string &texts) {
        std::array<char, kShortestTextRoom> buffer;
        texts.append(buffer.data(), write_shortest(x, buffer.data()));
    };
    return write_aligned(m, append_shortest, integer_part_length);
}

std::string write_complex_matrix(const Eigen::MatrixXcd &m) {
    return write_aligned(
        m, [](std::complex<double> z, std::string &texts) { texts += format_complex(z); },
        [](std::string_view) { return std::size_t{0}; });
}

namespace {

template <class Matrix, class Format> std::string write_short(const Matrix &m, Format format) {
    std::string out;
    if (m.rows() == 0 || m.cols() == 0) return out;
    for (Eigen::Index r = 0; r < m.rows(); ++r) {
        for (Eigen::Index c = 0; c < m.cols(); ++c) {
            if (c > 0) out.push_back(' ');
            out += format(m(r, c));
        }
        out.push_back('\r');
    }
    return out;
}

} // namespace

std::string write_matrix_short(const Eigen::MatrixXd &m) {
    return write_short(m, [](double x) { return format_short(x); });
}

std::string write_complex_matrix_short(const Eigen::MatrixXcd &m) {
    return write_short(m, [](std::complex<double> z) { return format_complex_short(z); });
}

} // namespace cmlib
