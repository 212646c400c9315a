#include "PeakMemory.h"
#include "measurement/FileSummary.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

// A 63 MiB PalmSens session that is one array of zeros, [0,0,...]: the time --info takes to
// read it, and the peak memory of that read, which should stay within a small multiple of
// the file: under 400 MB (a parsed value for every number would take 1.7 GB).
namespace {

constexpr const char* kPeakChild = "--peak-of-reading";
constexpr std::size_t kBytes = 63u << 20;

// The session, written once into the temporary folder and removed at exit.
struct ZeroSession {
    ZeroSession() {
        path = (std::filesystem::temp_directory_path() /
                ("korvane-bench-zeros-" + std::to_string(::getpid()) + ".pssession"))
                   .string();
        std::string text = R"({"Type":"PalmSens.DataFiles.SessionFile","Zeros":[0)";
        while (2 * text.size() < kBytes - 8)
            text += ",0";
        text += "]}";
        std::string utf16 = "\xFF\xFE";
        for (const char c : text)
            utf16 += {c, '\0'};
        std::ofstream(path, std::ios::binary) << utf16;
    }
    ~ZeroSession() { std::remove(path.c_str()); }
    std::string path;
};

const std::string& sessionPath() {
    static const ZeroSession session;
    return session.path;
}

void summarize(const std::string& path) {
    std::optional<IoError> error;
    std::string refusal;
    benchmark::DoNotOptimize(SummarizeMeasurementFile(path, error, refusal));
}

void BM_ZeroSessionInfo(benchmark::State& state) {
    const std::string& path = sessionPath();
    for (auto _ : state)
        summarize(path);
}

void BM_ZeroSessionPeakMemory(benchmark::State& state) {
    const std::string& path = sessionPath();
    CountPeakOfReading(state, kPeakChild, path);
    state.counters["file_KiB"] = static_cast<double>(kBytes >> 10);
}

} // namespace

BENCHMARK(BM_ZeroSessionInfo)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZeroSessionPeakMemory)->Iterations(1);

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kPeakChild) == 0) {
        if (argv[2][0] != '\0')
            summarize(argv[2]);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
