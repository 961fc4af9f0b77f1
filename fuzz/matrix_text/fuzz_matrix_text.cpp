// Any bytes as matrix text: reading never fails hard, and whatever matrix
// comes out is written by Str and read back to the same shape and values.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "matrix_text.h"

namespace {

bool same_value(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
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
