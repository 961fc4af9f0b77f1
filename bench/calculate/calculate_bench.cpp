// The whole Calculate request, text in and text out, on model fields.
#include <benchmark/benchmark.h>

#include "tests/support/sample_inputs.h"
#include "convert/calculate.h"
#include "convert/module1.h"
#include "framework/presenter.h"
#include "tests/support/model_fields.h"

namespace {

void Calculate(benchmark::State &state, int64_t which) {
    const int n = static_cast<int>(state.range(0));
    const SampleInputs in = MakeSampleInputs(n);
    fw::RecordingPresenter presenter;
    fw::ScopedPresenter installed(presenter);
    ModelFields fields;
    fields.texts[ConversionField::dimFld] = std::to_string(n);
    fields.texts[ConversionField::corrFld] = in.correlation;
    fields.texts[ConversionField::sdFld] = in.deviations;
    fields.texts[ConversionField::covFld] = in.covariance;
    Module1::which = which;
    for (auto _ : state) {
        RunCalculateRequest(fields);
        benchmark::DoNotOptimize(fields.texts[which == 1 ? ConversionField::covFld : ConversionField::corrFld]);
    }
    if (!presenter.events.empty()) state.SkipWithError("the request showed an alert");
}

void BM_CalculateCorrToCov(benchmark::State &state) { Calculate(state, 1); }
void BM_CalculateCovToCorr(benchmark::State &state) { Calculate(state, 2); }

BENCHMARK(BM_CalculateCorrToCov)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculateCovToCorr)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
