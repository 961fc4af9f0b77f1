#pragma once

#include <chrono>
#include <string>
#include <vector>

// Runs a program to its end (or until the time is up, when it is killed) and
// collects what it wrote to stderr.
struct ProcessResult {
    bool timedOut = false;
    bool signalled = false;
    int exitStatus = -1;
    std::string standardError;
};

ProcessResult RunProcess(const std::string &program, const std::vector<std::string> &environment,
                         std::chrono::milliseconds limit);
