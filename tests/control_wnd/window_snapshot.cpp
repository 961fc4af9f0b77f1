// Renders the conversion window with the 3 × 3 example filled in and
// converted, as a PNG file.
#include <cstdio>

#include "convert/control_wnd.h"
#include "convert/module1.h"
#include "framework/presenter.h"
#include "framework/view/window_view.h"
#include "matrix/binding.h"
#include "ui/implicit_windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QWidget>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <picture.png>\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    _InitPluginEntrypoints();
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed(presenter);

    Module1::which = 1;
    fw::Ref<ControlWnd> window = implicit::ControlWnd();
    window->RadioButton1()->SetValue(true);
    window->dimFld()->SetText("3");
    window->corrFld()->SetText("1     0.5  0.25\r0.5   1    0.4\r0.25  0.4  1\r");
    window->sdFld()->SetText("2\r3\r4\r");
    window->CalcBtn()->Push();
    for (const std::string &alert : presenter.Alerts()) std::fprintf(stderr, "alert: %s\n", alert.c_str());
    if (!presenter.Alerts().empty()) return 1;

    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QWidget *frame = window->View()->Frame();
    if (!frame->grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %d x %d\n", argv[1], frame->width(), frame->height());
    return 0;
}
