#include "PeakMemory.h"
#include "SweepFile.h"
#include "source/LiveReading.h"
#include "source/Reload.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

// A file that grows by 1,000 lines a tick, read on from where the last tick ended, against a
// read of the whole file; and the peak memory of a whole read at two sizes, each measured in
// a process of its own so that the peaks do not mix.
namespace {

constexpr long kLinesPerTick = 1000;
constexpr const char* kPeakChild = "--peak-of-reading";

// The sweep files, written once per size into a folder removed at exit.
class SweepFiles {
  public:
    ~SweepFiles() {
        std::error_code ignored;
        if (!dir_.empty())
            std::filesystem::remove_all(dir_, ignored);
    }
    const std::string& of(long lines) {
        if (dir_.empty()) {
            std::string pattern =
                (std::filesystem::temp_directory_path() / "korvane-bench-XXXXXX").string();
            if (::mkdtemp(pattern.data()) == nullptr)
                std::abort();
            dir_ = pattern;
        }
        auto& path = paths_[lines];
        if (path.empty()) {
            path = (dir_ / (std::to_string(lines) + ".txt")).string();
            WriteSweepLines(path, 0, lines, lines);
        }
        return path;
    }

  private:
    std::filesystem::path dir_;
    std::map<long, std::string> paths_;
};

SweepFiles files;

void BM_WholeRead(benchmark::State& state) {
    const std::string& path = files.of(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWholeFile(path, nullptr));
}

// One tick after 1,000 lines were appended; the appending itself is not timed. No full read
// is forced meanwhile: that one costs a whole read, once every 30 ticks.
void BM_IncrementalTick(benchmark::State& state) {
    const long total = state.range(0);
    const std::string& path = files.of(total);
    const auto size = std::filesystem::file_size(path);
    LiveReading live(INT_MAX);
    const std::atomic<bool> stop = false;
    live.Read(path, stop);
    long lines = total;
    for (auto _ : state) {
        state.PauseTiming();
        WriteSweepLines(path, lines, kLinesPerTick, total);
        lines += kLinesPerTick;
        state.ResumeTiming();
        benchmark::DoNotOptimize(live.Read(path, stop));
    }
    // Back to its own size for the benchmarks that follow.
    std::filesystem::resize_file(path, size);
}

void BM_WholeReadPeakMemory(benchmark::State& state) {
    const std::string& path = files.of(state.range(0));
    CountPeakOfReading(state, kPeakChild, path);
}

} // namespace

BENCHMARK(BM_WholeRead)->Arg(10'000'000)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IncrementalTick)->Arg(10'000'000)->Iterations(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeReadPeakMemory)->Arg(100'000)->Arg(10'000'000)->Iterations(1);

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kPeakChild) == 0) {
        if (argv[2][0] != '\0')
            benchmark::DoNotOptimize(ReadWholeFile(argv[2], nullptr));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
