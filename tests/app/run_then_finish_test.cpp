#include "app/program.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "app/startup_trace.h"
#include "framework/exceptions.h"

namespace {

struct Case {
    const char *label;
    void (*body)();
    bool fails;
    const char *stderrHas;
};

void Returns() {}
void RaisesRuntimeException() { fw::RaiseNew<fw::NilObjectException>("no menu bar"); }
void ThrowsOther() { throw std::runtime_error("out of memory"); }

const Case kCases[] = {
    {"returns", &Returns, false, ""},
    {"raises", &RaisesRuntimeException, true, "NilObjectException: no menu bar"},
    {"throws", &ThrowsOther, true, "out of memory"},
};

TEST(RunThenFinish, FinishesEveryRunAndNeverReportsAFailedOneAsSuccess) {
    for (const Case &c : kCases) {
        SCOPED_TRACE(c.label);
        const std::size_t before = startup::Steps().size();
        testing::internal::CaptureStderr();
        const int status = RunThenFinish(c.body);
        const std::string err = testing::internal::GetCapturedStderr();
        if (c.fails) {
            EXPECT_NE(status, 0);
            EXPECT_NE(err.find(c.stderrHas), std::string::npos) << err;
            EXPECT_EQ(err.find('\n'), err.size() - 1) << err; // one line
        } else {
            EXPECT_EQ(status, 0);
            EXPECT_EQ(err, "");
        }
        // The finalizers and the exit step ran all the same.
        ASSERT_EQ(startup::Steps().size(), before + 2);
        EXPECT_EQ(startup::Steps()[before], "RuntimePerformFinalizers");
        EXPECT_EQ(startup::Steps()[before + 1], "RuntimeExit");
    }
}

} // namespace
