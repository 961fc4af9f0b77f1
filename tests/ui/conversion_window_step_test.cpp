#include "ui/conversion_window_step.h"

#include <gtest/gtest.h>

#include "framework/exceptions.h"

namespace {

// Hands the windows no step for the test's length, then none again.
struct NoStepGuard {
    NoStepGuard() { SetShowConversionWindow(nullptr); }
    ~NoStepGuard() { SetShowConversionWindow(nullptr); }
};

TEST(ConversionWindowStep, WithNoStepHandedOverShowingRaisesInsteadOfDoingNothing) {
    NoStepGuard guard;
    try {
        ShowConversionWindow();
        FAIL() << "showing with no step handed over did not raise";
    } catch (const fw::Raised &raised) {
        EXPECT_EQ(raised.Describe(), "RuntimeException: No conversion window was handed to the windows");
    }
}

TEST(ConversionWindowStep, RunsTheLatestStepHandedOverOncePerShow) {
    NoStepGuard guard;
    int first = 0;
    int second = 0;
    SetShowConversionWindow([&] { ++first; });
    ShowConversionWindow();
    SetShowConversionWindow([&] { ++second; });
    ShowConversionWindow();
    ShowConversionWindow();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
}

// A step may hand over the next one while it runs (start-up building the
// conversion window anew); the running step is not destroyed under itself.
TEST(ConversionWindowStep, AStepMayHandOverItsSuccessorWhileItRuns) {
    NoStepGuard guard;
    int later = 0;
    SetShowConversionWindow([&later] {
        const int before = later;
        SetShowConversionWindow([&later] { ++later; });
        EXPECT_EQ(later, before); // still this step's own capture
    });
    ShowConversionWindow();
    ShowConversionWindow();
    EXPECT_EQ(later, 1);
}

} // namespace
