#include "ui/conversion_window_step.h"

#include <utility>

#include "framework/exceptions.h"

namespace {

std::function<void()> &ShowStep() {
    static std::function<void()> step;
    return step;
}

} // namespace

void SetShowConversionWindow(std::function<void()> show) { ShowStep() = std::move(show); }

void ShowConversionWindow() {
    // A copy: the step may hand over a new one while it runs.
    const std::function<void()> step = ShowStep();
    if (!step) fw::RaiseNew<fw::RuntimeException>("No conversion window was handed to the windows");
    step();
}
