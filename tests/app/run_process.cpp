#include "run_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

extern char **environ;

ProcessResult RunProcess(const std::string &program, const std::vector<std::string> &environment,
                         std::chrono::milliseconds limit) {
    ProcessResult result;
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return result;
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDERR_FILENO);
        for (const std::string &setting : environment)
            putenv(const_cast<char *>(setting.c_str()));
        execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    const auto deadline = std::chrono::steady_clock::now() + limit;
    char buffer[4096];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            kill(child, SIGKILL);
            break;
        }
        pollfd watch{pipeEnds[0], POLLIN, 0};
        const int ready = poll(&watch, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) continue;
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0) break; // the program closed stderr: it has ended
        result.standardError.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
    result.signalled = WIFSIGNALED(status);
    return result;
}
