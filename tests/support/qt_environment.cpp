#include "tests/support/qt_environment.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

#include "framework/window_registry.h"

void QtEnvironment::SetUp() {
    static int argc = 1;
    static char name[] = "tandrel_tests";
    static char *argv[] = {name, nullptr};
    // No display needed, however the test is started.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = new QApplication(argc, argv);
    if (setUp_) setUp_();
}

void QtEnvironment::TearDown() {
    DiscardAllWindowsNow();
    delete app_;
    app_ = nullptr;
}

void DiscardAllWindowsNow() {
    fw::detail::DiscardAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ProcessEvents(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (clock.elapsed() < milliseconds);
}
