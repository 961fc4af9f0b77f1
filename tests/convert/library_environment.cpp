#include <gtest/gtest.h>

#include "matrix/binding.h"

namespace {
// Binds the matrix library once for the whole test program, as start-up does.
class LibraryEnvironment : public testing::Environment {
public:
    void SetUp() override { _InitPluginEntrypoints(); }
};
const auto *const environment = testing::AddGlobalTestEnvironment(new LibraryEnvironment);
} // namespace
