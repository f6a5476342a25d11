#pragma once

#include <functional>
#include <string>

// Small helpers shared by the test executables.
namespace TestSupport {

struct CapturedOutput {
    std::string out;
    std::string err;
};

// Runs fn with the process's standard output and standard error redirected
// into temporary files and returns what it wrote (C stdio and std::cout/cerr).
CapturedOutput captureOutput(const std::function<void()>& fn);

// Runs fn in a forked child process and returns its exit status (the value
// passed to exit(), 0 when fn returns normally), or -1000 - signal number
// when the child was killed by a signal. Several code paths end the process
// on purpose; this is how tests observe them without ending themselves.
int runInChildProcess(const std::function<void()>& fn);

} // namespace TestSupport
