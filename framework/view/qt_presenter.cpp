#include "framework/view/qt_presenter.h"

#include "framework/view/qt_support.h"

#include <QApplication>
#include <QMessageBox>

#include <iostream>

namespace fw::view {

QtPresenter &QtPresenter::Instance() {
    static QtPresenter presenter;
    return presenter;
}

void QtPresenter::Alert(const String &text) {
    if (!PlatformShowsWindows()) {
        // No one could press OK: the text goes to standard error instead.
        std::cerr << text << std::endl;
        return;
    }
    EnsureApplication();
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), ToQtLines(text.view()), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void QtPresenter::Beep() {
    if (HaveApplication()) QApplication::beep();
}

void QtPresenter::FocusMoved(const String &) {}

} // namespace fw::view
