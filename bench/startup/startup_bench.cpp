// Start-up time: from launching the program to its about window on the
// screen, on the offscreen platform. Each iteration launches a fresh process.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace {

void BM_StartUpToAboutWindow(benchmark::State &state) {
    for (auto _ : state) {
        int ends[2];
        if (pipe(ends) != 0) {
            state.SkipWithError("pipe failed");
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            close(ends[0]);
            const std::string fd = std::to_string(ends[1]);
            setenv("TANDREL_PROBE_FD", fd.c_str(), 1);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            execl(TANDREL_PROBE, TANDREL_PROBE, static_cast<char *>(nullptr));
            _exit(127);
        }
        close(ends[1]);
        char shown = 0;
        const bool got = read(ends[0], &shown, 1) == 1;
        const auto end = std::chrono::steady_clock::now();
        close(ends[0]);
        int status = 0;
        waitpid(child, &status, 0);
        if (!got || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program did not show its about window and quit cleanly");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

BENCHMARK(BM_StartUpToAboutWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
