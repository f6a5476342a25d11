#include "TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace TestSupport {

namespace {

std::string readAll(std::FILE* f)
{
    std::string result;
    std::rewind(f);
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        result.append(buffer, n);
    return result;
}

} // namespace

CapturedOutput captureOutput(const std::function<void()>& fn)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::cout.flush();
    std::cerr.flush();

    std::FILE* outFile = std::tmpfile();
    std::FILE* errFile = std::tmpfile();
    const int savedOut = dup(STDOUT_FILENO);
    const int savedErr = dup(STDERR_FILENO);
    dup2(fileno(outFile), STDOUT_FILENO);
    dup2(fileno(errFile), STDERR_FILENO);

    fn();

    std::cout.flush();
    std::cerr.flush();
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, STDOUT_FILENO);
    dup2(savedErr, STDERR_FILENO);
    close(savedOut);
    close(savedErr);

    CapturedOutput captured{readAll(outFile), readAll(errFile)};
    std::fclose(outFile);
    std::fclose(errFile);
    return captured;
}

int runInChildProcess(const std::function<void()>& fn)
{
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = fork();
    if (pid == 0) {
        fn();
        std::fflush(stdout);
        std::fflush(stderr);
        _exit(0);
    }
    if (pid < 0)
        return -2000;
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return -1000 - WTERMSIG(status);
    return -2000;
}

} // namespace TestSupport
