// Calculate on the real conversion window at n = 100, both directions: from
// the click on the button to the result shown in its field; and one key typed
// into a field that holds a 100 × 100 matrix. Each beside its floor, a bare
// QPlainTextEdit of the same size and font doing the same
// (plain_text_floor_bench.cpp).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/control_wnd/window_bench_support.h"
#include "convert/control_wnd.h"
#include "framework/presenter.h"
#include "framework/view/control_view.h"
#include "framework/view/window_view.h"
#include "ui/implicit_windows.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QTest>
#include <QTextDocument>

namespace {

void Calculate(benchmark::State &state, int64_t which) {
    EnsureProgram();
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed(presenter);
    fw::Ref<ControlWnd> window = FilledWindow(static_cast<int>(state.range(0)), which);

    fw::Ref<fw::TextArea> result = which == 1 ? window->covFld() : window->corrFld();
    QWidget *button = window->CalcBtn()->View()->Widget();
    auto *shown = qobject_cast<QAbstractScrollArea *>(result->View()->Widget());
    for (auto _ : state) {
        state.PauseTiming();
        result->SetText(""); // so that every run writes and shows its result anew
        QCoreApplication::processEvents();
        state.ResumeTiming();

        QTest::mouseClick(button, Qt::LeftButton);
        result->View()->EnsureSynced();
        shown->viewport()->repaint();
        benchmark::DoNotOptimize(DocumentOf(shown)->characterCount());
    }
    if (!presenter.events.empty()) state.SkipWithError("the request showed an alert");
    if (DocumentOf(shown)->toRawText().replace(QChar::ParagraphSeparator, u'\n').toStdString() !=
        WithLineFeeds(result->Text().str()))
        state.SkipWithError("the field does not show the result");
    state.counters["result_bytes"] = static_cast<double>(result->Text().size());
    EndWindow(*window);
}

// One key typed at the end of a field that holds the n × n matrix: the key
// filter's font step, the widget's edit and the change read back.
void BM_WindowKeyInFullMatrixField(benchmark::State &state) {
    EnsureProgram();
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed(presenter);
    fw::Ref<ControlWnd> window = FilledWindow(static_cast<int>(state.range(0)), 2);
    fw::Ref<fw::TextArea> field = window->covFld();
    const std::string before = field->Text().str();
    QWidget *edit = field->View()->Widget();
    field->View()->EnsureSynced();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(edit, Qt::Key_1);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCoreApplication::processEvents();
    }
    if (field->Text().str() != before) state.SkipWithError("the keys did not leave the text as it was");
    state.SetLabel("two keys per iteration");
    EndWindow(*window);
}

void BM_WindowCalculateCorrToCov(benchmark::State &state) { Calculate(state, 1); }
void BM_WindowCalculateCovToCorr(benchmark::State &state) { Calculate(state, 2); }

BENCHMARK(BM_WindowCalculateCorrToCov)->Arg(100)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_WindowCalculateCovToCorr)->Arg(100)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_WindowKeyInFullMatrixField)
    ->Arg(100)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
