// The floors of the window benchmarks: a bare QPlainTextEdit of the same size
// and font as the conversion window's field, doing what the field's widget
// does: showing the same result text, or taking the same key.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/control_wnd/window_bench_support.h"
#include "framework/presenter.h"
#include "framework/view/control_view.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>

namespace {

// A shown QPlainTextEdit with the size and font of `like`, the widget of a
// window's field, and with its line wrapping too when `wrapAsLike`: then it
// shows the text as the field does. The field has a horizontal scroll bar, so
// its lines never wrap, and Qt lays every line out at once to know the
// widest; with Qt's default (lines wrapped to the widget) it lays out only
// what is shown.
class BareEdit {
public:
    BareEdit(const QPlainTextEdit &like, bool wrapAsLike) {
        edit_.setFont(like.font());
        edit_.resize(like.size());
        if (wrapAsLike) edit_.setLineWrapMode(like.lineWrapMode());
        edit_.show();
        QCoreApplication::processEvents();
    }
    QPlainTextEdit &operator*() { return edit_; }
    QPlainTextEdit *operator->() { return &edit_; }

private:
    QPlainTextEdit edit_;
};

// What the window shows after Calculate in that direction, and its field.
struct WindowResult {
    QString text;
    QFont font;
    QSize size;
    QPlainTextEdit::LineWrapMode wrap;
};

WindowResult ResultOfTheRealWindow(int n, int64_t which) {
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed(presenter);
    fw::Ref<ControlWnd> window = FilledWindow(n, which);
    QTest::mouseClick(window->CalcBtn()->View()->Widget(), Qt::LeftButton);
    fw::Ref<fw::TextArea> result = which == 1 ? window->covFld() : window->corrFld();
    const auto *widget = qobject_cast<QPlainTextEdit *>(result->View()->Widget());
    WindowResult out{QString::fromStdString(WithLineFeeds(result->Text().str())), widget->font(), widget->size(),
                     widget->lineWrapMode()};
    EndWindow(*window);
    return out;
}

void SetResult(benchmark::State &state, int64_t which) {
    EnsureProgram();
    const WindowResult result = ResultOfTheRealWindow(static_cast<int>(state.range(0)), which);
    QPlainTextEdit like;
    like.setFont(result.font);
    like.resize(result.size);
    like.setLineWrapMode(result.wrap);
    BareEdit edit(like, state.range(1) == 1);
    for (auto _ : state) {
        state.PauseTiming();
        edit->setPlainText({});
        QCoreApplication::processEvents();
        state.ResumeTiming();

        edit->setPlainText(result.text);
        edit->viewport()->repaint();
        benchmark::DoNotOptimize(edit->document()->characterCount());
    }
    state.counters["result_bytes"] = static_cast<double>(result.text.size());
}

// The same two keys as BM_WindowKeyInFullMatrixField, at the end of the same
// covariance text.
void BM_PlainTextKeyInFullMatrix(benchmark::State &state) {
    EnsureProgram();
    const int n = static_cast<int>(state.range(0));
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed(presenter);
    fw::Ref<ControlWnd> window = FilledWindow(n, 2);
    BareEdit edit(*qobject_cast<QPlainTextEdit *>(window->covFld()->View()->Widget()), state.range(1) == 1);
    EndWindow(*window);
    const QString text = QString::fromStdString(WithLineFeeds(MakeInputs(n).covariance));
    edit->setPlainText(text);
    edit->setFocus();
    QTest::keyClick(&*edit, Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(&*edit, Qt::Key_1);
        QTest::keyClick(&*edit, Qt::Key_Backspace);
        QCoreApplication::processEvents();
    }
    if (edit->toPlainText() != text) state.SkipWithError("the keys did not leave the text as it was");
    state.SetLabel("two keys per iteration");
}

void BM_PlainTextSetResultCorrToCov(benchmark::State &state) { SetResult(state, 1); }
void BM_PlainTextSetResultCovToCorr(benchmark::State &state) { SetResult(state, 2); }

// n = 100, with the field's line wrapping (the floor) and with Qt's default.
void FloorRuns(benchmark::internal::Benchmark *runs) {
    runs->ArgNames({"n", "field_wrap"})->Args({100, 1})->Args({100, 0})->Repetitions(5)->ReportAggregatesOnly();
}

BENCHMARK(BM_PlainTextSetResultCorrToCov)->Apply(FloorRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainTextSetResultCovToCorr)->Apply(FloorRuns)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainTextKeyInFullMatrix)->Apply(FloorRuns)->Unit(benchmark::kMicrosecond);

} // namespace
