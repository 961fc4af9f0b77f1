// The floor: the same text-in, text-out conversion done directly with Eigen
// (parse, D × M × D, format to four decimals), with none of the request's
// checks, buffer passes or library boundary.
#include <benchmark/benchmark.h>

#include <Eigen/Dense>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "tests/support/sample_inputs.h"

namespace {

Eigen::MatrixXd Parse(const std::string &text, int rows, int columns) {
    Eigen::MatrixXd m(rows, columns);
    const char *p = text.data();
    const char *end = p + text.size();
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j) {
            while (p < end && (*p == ' ' || *p == '\r')) ++p;
            double v = 0;
            p = std::from_chars(p, end, v).ptr;
            m(i, j) = v;
        }
    return m;
}

std::string FormatRows(const Eigen::MatrixXd &m) {
    std::string out;
    char number[64];
    for (int i = 0; i < m.rows(); ++i) {
        for (int j = 0; j < m.cols(); ++j) {
            std::snprintf(number, sizeof number, "%.4f  ", m(i, j));
            out += number;
        }
        out += '\r';
    }
    return out;
}

void BM_FloorCorrToCov(benchmark::State &state) {
    const int n = static_cast<int>(state.range(0));
    const SampleInputs in = MakeSampleInputs(n);
    for (auto _ : state) {
        const Eigen::MatrixXd r = Parse(in.correlation, n, n);
        const Eigen::VectorXd sd = Parse(in.deviations, n, 1);
        const Eigen::MatrixXd v = sd.asDiagonal() * r * sd.asDiagonal();
        benchmark::DoNotOptimize(FormatRows(v));
    }
}

void BM_FloorCovToCorr(benchmark::State &state) {
    const int n = static_cast<int>(state.range(0));
    const SampleInputs in = MakeSampleInputs(n);
    for (auto _ : state) {
        const Eigen::MatrixXd c = Parse(in.covariance, n, n);
        const Eigen::VectorXd d = c.diagonal().cwiseSqrt().cwiseInverse();
        const Eigen::MatrixXd q = d.asDiagonal() * c * d.asDiagonal();
        benchmark::DoNotOptimize(FormatRows(q));
    }
}

BENCHMARK(BM_FloorCorrToCov)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorCovToCorr)->Arg(10)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
