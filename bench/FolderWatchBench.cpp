#include "source/FolderWatch.h"

#include <benchmark/benchmark.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// One look at a folder of 10,000 files, as a tick of following it costs once every name is
// judged, against what listing the folder alone costs (and listing with a stat of each
// name), so the look's cost can be quoted as a multiple of the listing's.
namespace {

constexpr int kFiles = 10'000;

// Mostly sweeps under claimed endings; one in ten under an ending no format claims, half of
// those holding a measurement.
class SweepFolder {
  public:
    SweepFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "korvane-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path_ = pattern;
        static const char* const kEndings[] = {".DTA", ".txt", ".mpt"};
        for (int i = 0; i < kFiles; ++i) {
            char name[32];
            const bool unclaimed = i % 10 == 9;
            std::snprintf(name, sizeof name, "EIS_%05d%s", i, unclaimed ? ".log" : kEndings[i % 3]);
            std::FILE* out = std::fopen((path_ / name).c_str(), "wb");
            if (out == nullptr)
                std::abort();
            if (unclaimed && i % 20 == 19)
                std::fputs("instrument log, no numbers\n", out);
            else
                for (int row = 0; row < 20; ++row)
                    std::fprintf(out, "%d\t%.6e\t%.6e\n", row, 10.0 + row, -0.5 * row);
            std::fclose(out);
        }
    }
    ~SweepFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string path() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

SweepFolder folder;

void BM_Listing(benchmark::State& state) {
    const std::string path = folder.path();
    for (auto _ : state) {
        DIR* listing = ::opendir(path.c_str());
        if (listing == nullptr)
            std::abort();
        long names = 0;
        while (const dirent* entry = ::readdir(listing))
            names += entry->d_name[0] != '.';
        ::closedir(listing);
        benchmark::DoNotOptimize(names);
    }
}

void BM_ListingWithStat(benchmark::State& state) {
    const std::string path = folder.path();
    for (auto _ : state) {
        DIR* listing = ::opendir(path.c_str());
        if (listing == nullptr)
            std::abort();
        long regular = 0;
        while (const dirent* entry = ::readdir(listing)) {
            struct stat info {};
            regular +=
                ::fstatat(::dirfd(listing), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
        }
        ::closedir(listing);
        benchmark::DoNotOptimize(regular);
    }
}

// A tick once the first look judged every name: what following costs from then on.
void BM_Look(benchmark::State& state) {
    FolderWatch watch(folder.path());
    watch.Newest(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(watch.Newest(static_cast<std::size_t>(state.range(0))));
}

// The first look, which reads the head of every file under an ending no format claims.
void BM_FirstLook(benchmark::State& state) {
    for (auto _ : state) {
        FolderWatch watch(folder.path());
        benchmark::DoNotOptimize(watch.Newest(1));
    }
}

} // namespace

BENCHMARK(BM_Listing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListingWithStat)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Look)->Arg(1)->Arg(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FirstLook)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
