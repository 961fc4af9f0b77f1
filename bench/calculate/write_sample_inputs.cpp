// Writes the benchmarks' sample texts for one dimension into a folder, for
// other programs to convert the same input: write_sample_inputs N FOLDER
// gives correlation.txt, deviations.txt and covariance.txt (CR line ends).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>

#include "tests/support/sample_inputs.h"

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s N FOLDER\n", argv[0]);
        return 2;
    }
    const int n = std::atoi(argv[1]);
    if (n < 2 || n > 100) {
        std::fprintf(stderr, "%s: N must be 2 to 100\n", argv[0]);
        return 2;
    }
    const SampleInputs in = MakeSampleInputs(n);
    const std::string folder = argv[2];
    for (const auto &[name, text] : {std::pair{"correlation.txt", &in.correlation},
                                     std::pair{"deviations.txt", &in.deviations},
                                     std::pair{"covariance.txt", &in.covariance}}) {
        std::ofstream file(folder + "/" + name, std::ios::binary);
        file << *text;
        if (!file) {
            std::fprintf(stderr, "%s: cannot write %s/%s\n", argv[0], folder.c_str(), name);
            return 1;
        }
    }
    return 0;
}
