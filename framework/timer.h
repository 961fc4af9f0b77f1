#pragma once

#include "framework/control.h"

#include <cstdint>

namespace fw {

namespace RunMode {
inline constexpr int64_t Off = 0;
inline constexpr int64_t Single = 1;   // fires once, one Period after the mode is set, then Off
inline constexpr int64_t Multiple = 2; // fires every Period
} // namespace RunMode

// Raises Action (event 0) after Period milliseconds, as RunMode says. Setting
// RunMode or Period (while running) starts the period anew. A timer belongs
// to its window: once the window has closed it no longer fires.
class Timer : public Control {
public:
    static const ClassRecord &ClassRecordOf();
    Timer(); // out of line: subclasses are made where Clock is unknown
    ~Timer() override;

    void Constructor() override;

    int64_t Period() const { return period_; }
    void SetPeriod(int64_t milliseconds);
    int64_t RunMode() const { return runMode_; }
    void SetRunMode(int64_t mode);

    // The period has run: a single-shot timer turns Off, then Action is raised.
    void Fire();
    // The window closed: the timer stops for good.
    void EndWithWindow() override;

private:
    void Restart();
    // True when a single-shot period is not over yet: the clock was started again for the rest.
    bool WaitOn();
    int64_t period_ = 1000;
    int64_t runMode_ = RunMode::Off;
    struct Clock;
    std::unique_ptr<Clock> clock_;
};

// For tests only: timers started from now on count their periods on a clock
// that runs `rate` times as fast as real time (20: a 4000 ms period runs out
// after 200 ms). Period reads back as set. The program never calls this;
// the rate is 1 until it does.
void SetTimerClockRateForTesting(double rate);

} // namespace fw
