#pragma once

#include <string>

// Texts a user would paste: an n × n correlation matrix, its n standard
// deviations and the matching covariance matrix, four decimals, CR line ends.
struct BenchInputs {
    std::string correlation, deviations, covariance;
};

BenchInputs MakeInputs(int n);
