#include "framework/timer.h"

#include "framework/app_runtime.h"
#include "framework/property_decl.h"
#include "framework/view/qt_support.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>

namespace fw {

// The Qt timer. It ends after the current event: the window may close from
// inside its own timeout.
struct Timer::Clock {
    QTimer *timer = new QTimer;
    // When a single-shot period is over, on the monotonic clock.
    std::chrono::steady_clock::time_point due;
    ~Clock() {
        timer->stop();
        timer->disconnect();
        timer->deleteLater();
    }
};

namespace {
double clockRate = 1.0;

void BuildTimer(ClassRecord &r) {
    r.base = &Control::ClassRecordOf();
    r.allocate = Allocator<Timer>();
    r.classTable = r.base->classTable;
    r.properties = {FW_DECL(Integer, Timer, Period), FW_DECL(Integer, Timer, RunMode)};
}
} // namespace

const ClassRecord &Timer::ClassRecordOf() {
    static const ClassRecord &r = ClassRegistry::Instance().LookUp("Timer", BuildTimer);
    return r;
}

Timer::Timer() = default;
Timer::~Timer() = default;

void Timer::Constructor() {}

void Timer::SetPeriod(int64_t milliseconds) {
    view::CheckGuiThread("Timer.Period");
    period_ = milliseconds < 0 ? 0 : milliseconds;
    if (runMode_ != RunMode::Off) Restart();
}

void Timer::SetRunMode(int64_t mode) {
    view::CheckGuiThread("Timer.RunMode");
    runMode_ = mode;
    Restart();
}

void Timer::Restart() {
    if (Ended() || runMode_ == RunMode::Off) {
        if (clock_) clock_->timer->stop();
        if (Ended()) clock_.reset();
        return;
    }
    if (!clock_) {
        // The clock runs in the Qt event loop.
        view::EnsureApplication();
        clock_ = std::make_unique<Clock>();
        // Precise: Qt's default timer may end a period up to 5% early.
        clock_->timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(clock_->timer, &QTimer::timeout, [this] {
            // Woken before the period is over: wait for the rest of it.
            if (runMode_ == RunMode::Single && WaitOn()) return;
            Ref<Timer> self(this);
            RuntimeCallHandler([&] { Fire(); });
        });
    }
    clock_->timer->setSingleShot(runMode_ == RunMode::Single);
    const auto interval = std::chrono::milliseconds(static_cast<int64_t>(static_cast<double>(period_) / clockRate));
    clock_->due = std::chrono::steady_clock::now() + interval;
    clock_->timer->start(std::min<std::chrono::milliseconds>(interval, std::chrono::milliseconds(INT32_MAX)));
}

bool Timer::WaitOn() {
    const auto left = clock_->due - std::chrono::steady_clock::now();
    if (left <= std::chrono::steady_clock::duration::zero()) return false;
    clock_->timer->start(std::chrono::ceil<std::chrono::milliseconds>(left));
    return true;
}

void Timer::Fire() {
    if (Ended()) return;
    if (runMode_ == RunMode::Single) {
        runMode_ = RunMode::Off;
        if (clock_) clock_->timer->stop();
    }
    RaiseEvent(EventNumber::TimerAction);
}

void Timer::EndWithWindow() {
    Control::EndWithWindow();
    clock_.reset();
}

void SetTimerClockRateForTesting(double rate) { clockRate = rate > 0 ? rate : 1.0; }

} // namespace fw
