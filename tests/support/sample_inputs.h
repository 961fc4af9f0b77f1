#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

// Texts a user would paste: an n × n correlation matrix, its n standard
// deviations and the matching covariance matrix, four decimals, CR line ends.
// The same texts feed the benchmarks and the result-text regression test.
struct SampleInputs {
    std::string correlation, deviations, covariance;
};

inline SampleInputs MakeSampleInputs(int n) {
    SampleInputs in;
    std::vector<double> sd(n);
    for (int i = 0; i < n; ++i) sd[i] = 0.5 + 0.37 * ((i * 7) % 11);
    char number[64];
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const double r = i == j ? 1.0 : 0.9 * std::cos(0.3 * (i + 1) * (j + 1)) / (1 + std::abs(i - j));
            std::snprintf(number, sizeof number, "%.4f ", r);
            in.correlation += number;
            std::snprintf(number, sizeof number, "%.4f ", r * sd[i] * sd[j]);
            in.covariance += number;
        }
        in.correlation += '\r';
        in.covariance += '\r';
        std::snprintf(number, sizeof number, "%.4f\r", sd[i]);
        in.deviations += number;
    }
    return in;
}
