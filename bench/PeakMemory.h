#pragma once

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

// The peak resident memory, in KiB, of a process of this program started with `flag` and
// `path` (which the program's main then reads), or -1 when it failed: each measured in a
// process of its own so that the peaks do not mix.
inline long PeakOfChild(const char* flag, const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::string self = "/proc/self/exe";
        const char* args[] = {self.c_str(), flag, path.c_str(), nullptr};
        ::execv(self.c_str(), const_cast<char* const*>(args));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

// The peak of a child that reads `path`, against one that reads nothing, as the benchmark's
// counters.
inline void CountPeakOfReading(benchmark::State& state, const char* flag, const std::string& path) {
    long idle = 0, reading = 0;
    for (auto _ : state) {
        idle = PeakOfChild(flag, "");
        reading = PeakOfChild(flag, path);
    }
    if (idle < 0 || reading < 0)
        state.SkipWithError("the measuring process failed");
    state.counters["peak_KiB"] = static_cast<double>(reading);
    state.counters["above_idle_KiB"] = static_cast<double>(reading - idle);
}
