#include "SweepFile.h"
#include "source/ShownFiles.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// Ten files followed together, each growing by 1,000 lines a tick, against one file's tick:
// a tick of all ten should cost what was appended, about ten times one file's.
namespace {

constexpr long kLines = 1'000'000;
constexpr long kLinesPerTick = 1000;
constexpr int kFiles = 10;

class GrowingFiles {
  public:
    GrowingFiles() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "korvane-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        dir_ = pattern;
        for (int i = 0; i < kFiles; ++i) {
            paths.push_back((dir_ / (std::to_string(i) + ".txt")).string());
            WriteSweepLines(paths.back(), 0, kLines, kLines);
        }
        lines.assign(kFiles, kLines);
    }
    ~GrowingFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    void grow(int file) {
        WriteSweepLines(paths[file], lines[file], kLinesPerTick, kLines);
        lines[file] += kLinesPerTick;
    }
    std::vector<std::string> paths;
    std::vector<long> lines;

  private:
    std::filesystem::path dir_;
};

GrowingFiles& files() {
    static GrowingFiles made;
    return made;
}

// As the window reads them: one tick of the first `files` files, each read on from where it
// ended, with the whole read every 30 ticks that each file gets.
void BM_FilesTick(benchmark::State& state) {
    const auto count = static_cast<size_t>(state.range(0));
    const std::vector<std::string> paths(files().paths.begin(), files().paths.begin() + count);
    ShownFiles shown([] {});
    shown.Show(paths);
    const auto tick = [&] {
        shown.Tick();
        benchmark::DoNotOptimize(shown.Finish());
    };
    tick();
    for (auto _ : state) {
        state.PauseTiming();
        for (size_t i = 0; i < count; ++i)
            files().grow(static_cast<int>(i));
        state.ResumeTiming();
        tick();
    }
}

} // namespace

BENCHMARK(BM_FilesTick)
    ->Arg(1)
    ->Arg(kFiles)
    ->Iterations(60)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
