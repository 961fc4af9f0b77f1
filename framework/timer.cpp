#include "framework/timer.h"

#include "framework/app_runtime.h"
#include "framework/property_decl.h"
#include "framework/view/qt_support.h"

#include <QCoreApplication>
#include <QTimer>

namespace fw {

// The Qt timer. It ends after the current event: the window may close from
// inside its own timeout.
struct Timer::Clock {
    QTimer *timer = new QTimer;
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
        QObject::connect(clock_->timer, &QTimer::timeout, [this] {
            Ref<Timer> self(this);
            RuntimeCallHandler([&] { Fire(); });
        });
    }
    clock_->timer->setSingleShot(runMode_ == RunMode::Single);
    const auto interval = static_cast<int64_t>(static_cast<double>(period_) / clockRate);
    clock_->timer->start(static_cast<int>(std::min<int64_t>(interval, INT32_MAX)));
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
