#pragma once

#include <cstdint>

// The module-wide direction of the conversion: 1 correlation to covariance,
// 2 covariance to correlation, 0 none chosen.
namespace Module1 {
extern int64_t which;
}
