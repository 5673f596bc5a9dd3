// A real write error for tests, as a full disk gives one: the step runs in a child process
// whose files cannot grow beyond a size. A write beyond it fails with EFBIG; the signal that
// would end the process is ignored, and the limit holds for root as well (unlike a read-only
// directory). The child ends with _exit, so nothing of the test process runs twice.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

// step's result (-128 to 127) when the child ended normally, else -1000.
template <class Step>
int run_with_file_size_limit(long bytes, Step step) {
    std::fflush(nullptr); // or buffered output would be written by both processes
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
        _exit(setrlimit(RLIMIT_FSIZE, &limit) == 0 ? step() & 0xFF : 100);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1000;
    return static_cast<signed char>(WEXITSTATUS(status));
}
