#include "bench/control_wnd/window_bench_support.h"

#include <cmath>
#include <cstdlib>

#include "convert/module1.h"
#include "framework/text_functions.h"
#include "matrix/binding.h"
#include "ui/implicit_windows.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextEdit>

Inputs MakeInputs(int n) {
    Inputs in;
    auto value = [](double x) { return fw::Format(x, "-#.####").str(); };
    for (int i = 0; i < n; ++i) {
        const double sdI = i + 1;
        in.deviations += fw::Str(sdI).str() + "\r";
        for (int j = 0; j < n; ++j) {
            const double r = std::pow(0.9, std::abs(i - j));
            in.correlation += value(r) + (j + 1 < n ? "\t" : "\r");
            in.covariance += value(r * sdI * (j + 1)) + (j + 1 < n ? "\t" : "\r");
        }
    }
    return in;
}

void EnsureProgram() {
    static const bool made = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_control_wnd";
        static char *argv[] = {name, nullptr};
        new QApplication(argc, argv);
        _InitPluginEntrypoints();
        return true;
    }();
    (void)made;
}

QTextDocument *DocumentOf(QWidget *widget) {
    if (auto *plain = qobject_cast<QPlainTextEdit *>(widget)) return plain->document();
    if (auto *rich = qobject_cast<QTextEdit *>(widget)) return rich->document();
    return nullptr;
}

std::string WithLineFeeds(std::string text) {
    for (char &c : text)
        if (c == '\r') c = '\n';
    return text;
}

fw::Ref<ControlWnd> FilledWindow(int n, int64_t which) {
    const Inputs in = MakeInputs(n);
    fw::Ref<ControlWnd> window = implicit::ControlWnd();
    window->dimFld()->SetText(std::to_string(n));
    window->corrFld()->SetText(in.correlation);
    window->sdFld()->SetText(in.deviations);
    window->covFld()->SetText(in.covariance);
    Module1::which = which;
    QCoreApplication::processEvents();
    return window;
}

void EndWindow(ControlWnd &window) {
    window.Discard();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
