#include "measurement/LineReader.h"
#include "measurement/MeasurementFile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Reading 10^6 records of a BioLogic .mpr against reading the same points as a plain text
// file, in the same run. The .mpr is made from a real file's start and records, repeated; the
// ratio counter (.mpr time / plain time) should stay at most 1.
namespace {

constexpr long kRecords = 1'000'000;
constexpr std::size_t kFirstRecord = 0x1B11 + 0x3EF; // in the sample, new module header
constexpr std::size_t kRecordSize = 148;

struct Files {
    std::string mpr, plain;
};

template <typename T> void put(std::string& bytes, std::size_t at, T value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

template <typename T> T get(const char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

const Files& files() {
    static Files made;
    if (!made.mpr.empty())
        return made;
    std::ifstream in(KORVANE_MPR_SAMPLE, std::ios::binary);
    const std::string sample((std::istreambuf_iterator<char>(in)), {});
    const auto dir = std::filesystem::temp_directory_path();
    made.mpr = (dir / "korvane-bench-records.mpr").string();
    made.plain = (dir / "korvane-bench-records.txt").string();
    const std::size_t samples = (sample.size() - kFirstRecord) / kRecordSize;
    std::string mpr = sample.substr(0, kFirstRecord);
    // The data module as EC-Lab leaves it while it runs: last, its count and length current.
    put<std::uint32_t>(mpr, 0x1B11 - 20,
                       static_cast<std::uint32_t>(0x3EF + kRecords * kRecordSize));
    put<std::uint32_t>(mpr, 0x1B11, static_cast<std::uint32_t>(kRecords));
    std::string plain;
    char line[96];
    for (long i = 0; i < kRecords; ++i) {
        const char* record = sample.data() + kFirstRecord + (i % 84 % samples) * kRecordSize;
        mpr.append(record, kRecordSize);
        std::snprintf(line, sizeof line, "%.9g\t%.9g\t%.9g\n", get<float>(record),
                      get<float>(record + 4), -get<float>(record + 8));
        plain += line;
    }
    std::ofstream(made.mpr, std::ios::binary) << mpr;
    std::ofstream(made.plain, std::ios::binary) << plain;
    return made;
}

class SumSink final : public RowSink {
  public:
    void OnRow(const Row& row) override { sum += row.frequency + row.real + row.negImag; }
    double sum = 0;
};

double readOnce(const std::string& path, benchmark::State& state) {
    const auto start = std::chrono::steady_clock::now();
    MeasurementFile file = OpenMeasurementFile(path);
    LineReader reader(file.fd.get(), file.size);
    SumSink sink;
    const ReadOutcome outcome = ReadMeasurement(reader, file.size, sink);
    if (outcome.state.rows != static_cast<std::uint64_t>(kRecords))
        state.SkipWithError("not every record was read");
    benchmark::DoNotOptimize(sink.sum);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ReadMpr(benchmark::State& state) {
    const std::string& path = files().mpr;
    for (auto _ : state)
        readOnce(path, state);
    state.SetItemsProcessed(state.iterations() * kRecords);
}

void BM_ReadPlain(benchmark::State& state) {
    const std::string& path = files().plain;
    for (auto _ : state)
        readOnce(path, state);
    state.SetItemsProcessed(state.iterations() * kRecords);
}

// Both in turn, so the ratio compares them under the same conditions.
void BM_MprAgainstPlain(benchmark::State& state) {
    const Files& both = files();
    double mpr = 0, plain = 0;
    for (auto _ : state) {
        mpr += readOnce(both.mpr, state);
        plain += readOnce(both.plain, state);
    }
    state.counters["mpr_ms"] = 1e3 * mpr / static_cast<double>(state.iterations());
    state.counters["plain_ms"] = 1e3 * plain / static_cast<double>(state.iterations());
    state.counters["ratio"] = mpr / plain;
}

} // namespace

BENCHMARK(BM_ReadMpr)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MprAgainstPlain)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
