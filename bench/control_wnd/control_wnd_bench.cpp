// Calculate on the real conversion window at n = 100, both directions: from
// the click on the button to the result shown in its field.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "convert/control_wnd.h"
#include "convert/module1.h"
#include "framework/presenter.h"
#include "framework/text_functions.h"
#include "framework/view/control_view.h"
#include "framework/view/window_view.h"
#include "matrix/binding.h"
#include "ui/implicit_windows.h"

#include <QApplication>
#include <QTest>
#include <QTextEdit>

namespace {

// What a user would paste: correlations 0.9^|i-j|, deviations 1 .. n and the
// matching covariances, four decimals, one row per line.
struct Inputs {
    std::string correlation, deviations, covariance;
};

Inputs MakeInputs(int n) {
    Inputs in;
    auto value = [](double x) { return fw::Format(x, "-#.####").str(); };
    for (int i = 0; i < n; ++i) {
        const double sdI = i + 1;
        in.deviations += fw::Str(sdI).str() + "\r";
        for (int j = 0; j < n; ++j) {
            const double r = std::pow(0.9, std::abs(i - j));
            in.correlation += value(r) + (j + 1 < n ? "\t" : "\r");
            in.covariance += fw::Format(r * sdI * (j + 1), "-#.####").str() + (j + 1 < n ? "\t" : "\r");
        }
    }
    return in;
}

class Program {
public:
    Program() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_control_wnd";
        static char *argv[] = {name, nullptr};
        new QApplication(argc, argv);
        _InitPluginEntrypoints();
    }
};

void Calculate(benchmark::State &state, int64_t which) {
    static Program program;
    const int n = static_cast<int>(state.range(0));
    const Inputs in = MakeInputs(n);
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed(presenter);

    fw::Ref<ControlWnd> window = implicit::ControlWnd();
    window->dimFld()->SetText(std::to_string(n));
    window->corrFld()->SetText(in.correlation);
    window->sdFld()->SetText(in.deviations);
    window->covFld()->SetText(in.covariance);
    Module1::which = which;
    QCoreApplication::processEvents();

    fw::Ref<fw::TextArea> result = which == 1 ? window->covFld() : window->corrFld();
    QWidget *button = window->CalcBtn()->View()->Widget();
    auto *shown = qobject_cast<QTextEdit *>(result->View()->Widget());
    for (auto _ : state) {
        state.PauseTiming();
        result->SetText(""); // so that every run writes and shows its result anew
        QCoreApplication::processEvents();
        state.ResumeTiming();

        QTest::mouseClick(button, Qt::LeftButton);
        result->View()->EnsureSynced();
        shown->viewport()->repaint();
        benchmark::DoNotOptimize(shown->document()->characterCount());
    }
    if (!presenter.events.empty()) state.SkipWithError("the request showed an alert");
    if (shown->toPlainText().toStdString() != [&] {
            std::string s = result->Text().str();
            for (char &c : s)
                if (c == '\r') c = '\n';
            return s;
        }())
        state.SkipWithError("the field does not show the result");
    state.counters["result_bytes"] = static_cast<double>(result->Text().size());
    window->Discard();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One key typed at the end of a field that holds the n × n matrix: the key
// filter's font step, the widget's edit and the change read back.
void BM_WindowKeyInFullMatrixField(benchmark::State &state) {
    static Program program;
    const int n = static_cast<int>(state.range(0));
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed(presenter);
    fw::Ref<ControlWnd> window = implicit::ControlWnd();
    window->covFld()->SetText(MakeInputs(n).covariance);
    auto *edit = qobject_cast<QTextEdit *>(window->covFld()->View()->Widget());
    window->covFld()->View()->EnsureSynced();
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(edit, Qt::Key_1);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCoreApplication::processEvents();
    }
    state.SetLabel("two keys per iteration");
    window->Discard();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_WindowCalculateCorrToCov(benchmark::State &state) { Calculate(state, 1); }
void BM_WindowCalculateCovToCorr(benchmark::State &state) { Calculate(state, 2); }

BENCHMARK(BM_WindowCalculateCorrToCov)->Arg(100)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_WindowCalculateCovToCorr)->Arg(100)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_WindowKeyInFullMatrixField)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
