#include "SweepFile.h"
#include "classic/ClassicChartFill.h"
#include "classic/CurveChart.h"
#include "classic/PlotLayout.h"
#include "measurement/NumberScanner.h"
#include "source/Reload.h"
#include "view/PlotChoices.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The reload of a measurement file (without drawing: the chart has no window) against a
// plain loop that only reads the same file and converts three numbers a line.
namespace {

// A sweep of `lines` lines of about 40 bytes, written once per size.
const std::string& measurementFile(long lines) {
    static std::map<long, std::string> files;
    auto& path = files[lines];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() /
                ("korvane-bench-" + std::to_string(lines) + ".txt"))
                   .string();
        WriteSweepLines(path, 0, lines, lines);
    }
    return path;
}

void BM_Reload(benchmark::State& state) {
    const std::string& path = measurementFile(state.range(0));
    auto chart = std::make_unique<CCurveChart>();
    const PlotLayout frame = LayoutFor({0, 0, 534, 392}, false);
    for (auto _ : state) {
        FillClassicChart(*chart, ReadWholeFile(path, nullptr).series, false, {}, frame);
        benchmark::DoNotOptimize(chart->count);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Reading into the series alone, as the reading thread does.
void BM_ReadIntoSeries(benchmark::State& state) {
    const std::string& path = measurementFile(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWholeFile(path, nullptr));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReadAndConvertLoop(benchmark::State& state) {
    const std::string& path = measurementFile(state.range(0));
    std::vector<char> buffer(256 * 1024);
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        double sum = 0;
        std::string carry;
        ssize_t got;
        while ((got = ::read(fd, buffer.data(), buffer.size())) > 0) {
            carry.append(buffer.data(), static_cast<size_t>(got));
            const char* p = carry.data();
            const char* end = p + carry.size();
            while (const char* lf = static_cast<const char*>(std::memchr(p, '\n', end - p))) {
                for (int field = 0; field < 3; ++field) {
                    while (p < lf && (*p == ' ' || *p == '\t'))
                        ++p;
                    double v = 0;
                    p = std::from_chars(p, lf, v).ptr;
                    sum += v;
                }
                p = lf + 1;
            }
            carry.erase(0, static_cast<size_t>(p - carry.data()));
        }
        ::close(fd);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The numbers of such a file, converted alone: by from_chars, as the loop above converts
// them, and by the readers' own scan.
const std::vector<std::string>& numbers() {
    static const std::vector<std::string> all = [] {
        std::vector<std::string> made;
        char text[32];
        for (int i = 0; i < 30000; ++i) {
            std::snprintf(text, sizeof text, "%.6e",
                          (i % 2 ? -1 : 1) * 1e5 * std::pow(10.0, -7.0 * i / 30000));
            made.emplace_back(text);
        }
        return made;
    }();
    return all;
}

template <typename Convert> void convertAll(benchmark::State& state, Convert convert) {
    for (auto _ : state) {
        double sum = 0;
        for (const std::string& n : numbers())
            sum += convert(n.data(), n.data() + n.size());
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(numbers().size()));
}

void BM_ConvertWithFromChars(benchmark::State& state) {
    convertAll(state, [](const char* p, const char* end) {
        double v = 0;
        std::from_chars(p, end, v);
        return v;
    });
}

void BM_ConvertWithScanNumber(benchmark::State& state) {
    convertAll(state, [](const char* p, const char* end) {
        double v = 0;
        number_scanning::ScanNumber(p, end, v);
        return v;
    });
}

} // namespace

BENCHMARK(BM_ConvertWithFromChars);
BENCHMARK(BM_ConvertWithScanNumber);
BENCHMARK(BM_ReadAndConvertLoop)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadIntoSeries)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Reload)->RangeMultiplier(10)->Range(10'000, 1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
