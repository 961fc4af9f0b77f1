// Reading and writing matrix text at the sizes the conversion handles.
#include <benchmark/benchmark.h>

#include <string>

#include "matrix_text.h"

namespace {

std::string ConversionText(int n) {
    std::string text;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) text += "-12,345.6789   ";
        text += '\r';
    }
    return text;
}

void BM_ReadMatrix(benchmark::State &state) {
    const std::string text = ConversionText(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(cmlib::read_matrix(text));
}

void BM_WriteMatrix(benchmark::State &state) {
    const auto m = cmlib::read_matrix(ConversionText(static_cast<int>(state.range(0))));
    for (auto _ : state) benchmark::DoNotOptimize(cmlib::write_matrix(m));
}

BENCHMARK(BM_ReadMatrix)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteMatrix)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace
