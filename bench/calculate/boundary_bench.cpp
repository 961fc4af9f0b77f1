// One call across the matrix library boundary: every element of an n × n
// matrix read by Element, as the Calculate request reads a product, against
// the same values read through a plain out-of-line bounds-checked call.
#include <benchmark/benchmark.h>

#include <Eigen/Core>
#include <cstdint>

#include "tests/support/sample_inputs.h"
#include "framework/object.h"
#include "matrix/matrix.h"

namespace {

void BM_ElementAcrossTheLibrary(benchmark::State &state) {
    const int n = static_cast<int>(state.range(0));
    fw::Ref<Matrix> m = fw::NewObject<Matrix>();
    m->Constructor(n, n, MakeSampleInputs(n).correlation);
    for (auto _ : state) {
        double sum = 0;
        for (int64_t i = 0; i < n; ++i)
            for (int64_t j = 0; j < n; ++j)
                sum += m->Element(i, j);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * n * n);
}

// The floor: what any call to a function behind a pointer with the same
// bounds check costs.
[[gnu::noinline]] double ElementOf(const Eigen::MatrixXd &m, int64_t i, int64_t j) {
    if (i < 0 || j < 0 || i >= m.rows() || j >= m.cols()) return 0.0;
    return m(i, j);
}

void BM_ElementFloor(benchmark::State &state) {
    const int n = static_cast<int>(state.range(0));
    const Eigen::MatrixXd m = Eigen::MatrixXd::Random(n, n);
    double (*volatile element)(const Eigen::MatrixXd &, int64_t, int64_t) = &ElementOf;
    for (auto _ : state) {
        double sum = 0;
        for (int64_t i = 0; i < n; ++i)
            for (int64_t j = 0; j < n; ++j)
                sum += element(m, i, j);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * n * n);
}

BENCHMARK(BM_ElementAcrossTheLibrary)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ElementFloor)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace
