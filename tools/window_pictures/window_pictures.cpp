// Renders the program's three windows as PNG files for the README: the
// conversion window with a 3 × 3 example converted, the about window and the
// help window.
#include <cstdio>
#include <string>

#include "convert/control_wnd.h"
#include "convert/module1.h"
#include "framework/presenter.h"
#include "framework/view/window_view.h"
#include "matrix/binding.h"
#include "ui/about_wnd.h"
#include "ui/help_wnd.h"
#include "ui/implicit_windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

namespace {

void Settle() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool Save(fw::Window &window, const std::string &path) {
    Settle();
    QWidget *frame = window.View()->Frame();
    if (!frame->grab().save(QString::fromStdString(path))) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s: %d x %d\n", path.c_str(), frame->width(), frame->height());
    return true;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    _InitPluginEntrypoints();
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed(presenter);

    if (!Save(*implicit::AboutWnd(), folder + "/about-window.png")) return 1;
    implicit::AboutWnd()->Hide();

    Module1::which = 1;
    fw::Ref<ControlWnd> window = implicit::ControlWnd();
    window->RadioButton1()->SetValue(true);
    window->dimFld()->SetText("3");
    window->corrFld()->SetText("1     0.5  0.25\r0.5   1    0.4\r0.25  0.4  1\r");
    window->sdFld()->SetText("2\r3\r4\r");
    window->CalcBtn()->Push();
    for (const std::string &alert : presenter.Alerts()) std::fprintf(stderr, "alert: %s\n", alert.c_str());
    if (!presenter.Alerts().empty()) return 1;
    if (!Save(*window, folder + "/conversion-window.png")) return 1;

    fw::Ref<helpWnd> help = implicit::helpWnd();
    help->Show();
    return Save(*help, folder + "/help-window.png") ? 0 : 1;
}
