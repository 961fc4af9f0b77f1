#include "matrix/binding.h"

namespace {
// Bind the matrix library once before any benchmark runs, as start-up does.
const bool bound = (_InitPluginEntrypoints(), true);
} // namespace
