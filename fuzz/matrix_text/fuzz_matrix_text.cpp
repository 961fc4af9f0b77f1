// Any bytes as matrix text: reading never fails hard, and whatever matrix
// comes out is written by Str and read back to the same shape and values.
// A number read at the start of the bytes keeps the grouping rule and has
// the value strtod gives its text without the commas.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "matrix_text.h"
#include "number_text.h"

namespace {

bool same_value(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The integer part of a grouped number: a first group of one to three digits
// that does not start with 0, then groups of exactly three.
bool grouping_kept(std::string_view number) {
    std::size_t i = number.empty() || (number[0] != '+' && number[0] != '-') ? 0 : 1;
    const std::size_t begin = i;
    while (i < number.size() && (is_digit(number[i]) || number[i] == ',')) ++i;
    const std::string_view integer = number.substr(begin, i - begin);
    if (integer.find(',') == std::string_view::npos) return true;
    if (integer[0] == '0') return false;
    std::size_t run = 0;
    bool first = true;
    for (const char c : integer) {
        if (c != ',') {
            ++run;
            continue;
        }
        if (run == 0 || run > 3 || (!first && run != 3)) return false;
        first = false;
        run = 0;
    }
    return run == 3;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    double number = 0.0;
    if (const std::size_t used = cmlib::scan_real(text, number)) {
        if (!grouping_kept(text.substr(0, used))) __builtin_trap();
        std::string plain;
        for (const char c : text.substr(0, used))
            if (c != ',') plain += c;
        if (!same_value(number, std::strtod(plain.c_str(), nullptr))) __builtin_trap();
    }
    const Eigen::MatrixXd m = cmlib::read_matrix(text);
    if (m.size() == 0) {
        if (m.rows() != 0 || m.cols() != 0) __builtin_trap();
        return 0;
    }
    const std::string written = cmlib::write_matrix(m);
    const Eigen::MatrixXd back = cmlib::read_matrix(written);
    if (back.rows() != m.rows() || back.cols() != m.cols()) __builtin_trap();
    for (Eigen::Index k = 0; k < m.size(); ++k) {
        if (!same_value(back(k), m(k))) __builtin_trap();
    }
    return 0;
}
