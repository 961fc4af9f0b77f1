#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "matrix/binding.h"
#include "tests/matrix/spy_plugin.h"

// Each test starts with the table bound to the spy library and nothing recorded.
class SpyLibrary : public testing::Test {
protected:
    void SetUp() override {
        spy::Reset();
        InitPluginEntrypoints(SPY_PLUGIN_PATH);
    }
    void TearDown() override { spy::Reset(); }
};

// Runs `check` in a new run of this test program, where no class record has
// been built and the table is unbound until the test binds it. `check`
// returns what went wrong, or nothing.
inline void ExpectInFreshProcess(const std::function<std::string()> &check) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string problem = check();
            std::fputs(problem.c_str(), stderr);
            std::exit(problem.empty() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}
