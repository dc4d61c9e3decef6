// Runs one command and reports its wall time, CPU time and peak resident set size:
//     spawn_measure PROGRAM ARGS...
// prints "<wall seconds> <CPU seconds, user + system> <peak RSS in KiB> <exit code>".
// The command's standard output is discarded; its standard error passes through.
//
// The harness uses this small launcher instead of spawning the command from Python
// because a child's peak RSS as wait4() reports it counts the memory of the process
// it was forked from; forked from here, that floor is about a megabyte, not the
// interpreter's eighty.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

#include <cstdio>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: spawn_measure PROGRAM ARGS...\n", stderr);
        return 2;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);

    timespec t0{}, t1{};
    clock_gettime(CLOCK_MONOTONIC, &t0);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[1], &actions, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 127;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0) {
        std::perror("wait4");
        return 1;
    }
    clock_gettime(CLOCK_MONOTONIC, &t1);
    const double seconds =
        static_cast<double>(t1.tv_sec - t0.tv_sec) + static_cast<double>(t1.tv_nsec - t0.tv_nsec) * 1e-9;
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    const auto secondsOf = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    const double cpu = secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime);
    std::printf("%.9f %.6f %ld %d\n", seconds, cpu, usage.ru_maxrss, code);
    return 0;
}
