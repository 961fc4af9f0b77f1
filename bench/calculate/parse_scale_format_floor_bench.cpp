// The realistic floor of the request's job, text in and text out: read the
// values with from_chars, scale them in one loop, write them with to_chars
// (four decimals) into one reserved string. No matrix library, no buffer
// passes, no checks: what any program doing the same conversion must pay.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/sample_inputs.h"

namespace {

std::vector<double> ReadValues(std::string_view text, std::size_t count) {
    std::vector<double> values(count);
    const char *p = text.data();
    const char *const end = p + text.size();
    for (double &value : values) {
        while (p < end && (*p == ' ' || *p == '\r'))
            ++p;
        p = std::from_chars(p, end, value).ptr;
    }
    return values;
}

// Writes the n × n values that `value(i, j)` gives, row by row.
template <class Value> std::string WriteRows(int n, Value value) {
    std::string out;
    out.resize(static_cast<std::size_t>(n) * n * 24 + n);
    char *p = out.data();
    char *const end = p + out.size();
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            p = std::to_chars(p, end, value(i, j), std::chars_format::fixed, 4).ptr;
            *p++ = ' ';
            *p++ = ' ';
        }
        *p++ = '\r';
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
    return out;
}

void BM_RealisticFloorCorrToCov(benchmark::State &state) {
    const int n = static_cast<int>(state.range(0));
    const SampleInputs in = MakeSampleInputs(n);
    for (auto _ : state) {
        const std::vector<double> r = ReadValues(in.correlation, static_cast<std::size_t>(n) * n);
        const std::vector<double> sd = ReadValues(in.deviations, static_cast<std::size_t>(n));
        benchmark::DoNotOptimize(WriteRows(n, [&](int i, int j) { return r[i * n + j] * sd[i] * sd[j]; }));
    }
}

void BM_RealisticFloorCovToCorr(benchmark::State &state) {
    const int n = static_cast<int>(state.range(0));
    const SampleInputs in = MakeSampleInputs(n);
    for (auto _ : state) {
        const std::vector<double> c = ReadValues(in.covariance, static_cast<std::size_t>(n) * n);
        std::vector<double> d(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            d[i] = 1.0 / std::sqrt(c[i * n + i]);
        benchmark::DoNotOptimize(
            WriteRows(n, [&](int i, int j) { return i == j ? 1.0 : c[i * n + j] * d[i] * d[j]; }));
    }
}

BENCHMARK(BM_RealisticFloorCorrToCov)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RealisticFloorCovToCorr)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
