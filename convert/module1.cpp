#include "convert/module1.h"

namespace Module1 {
// Start-up's last initialiser sets it to 1.
int64_t which = 0;
} // namespace Module1
