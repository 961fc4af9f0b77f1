// The program itself, with one addition: once the about window is on the
// screen it writes one byte to the file descriptor named by
// TANDREL_PROBE_FD, then quits. The benchmark times it from launch to that
// byte.
#include <unistd.h>

#include <cstdlib>

#include <QCoreApplication>
#include <QTimer>

#include "app/program.h"
#include "framework/app_runtime.h"
#include "framework/window.h"
#include "ui/about_wnd.h"

namespace {

int ProbeDescriptor() {
    const char *fd = std::getenv("TANDREL_PROBE_FD");
    return fd ? std::atoi(fd) : -1;
}

void WatchForAboutWindow() {
    auto *poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        fw::Ref<fw::Window> front = fw::FrontWindow();
        if (!front || !front->IsA(AboutWnd::ClassRecordOf()) || !front->IsShown()) return;
        poll->stop();
        const char shown = 'S';
        if (const int fd = ProbeDescriptor(); fd >= 0 && write(fd, &shown, 1) != 1) fw::Quit(2);
        fw::Quit(0);
    });
    poll->start();
}

} // namespace

int main() {
    qAddPreRoutine(&WatchForAboutWindow);
    return RunProgram();
}
