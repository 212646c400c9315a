#include "classic/ClassicChartFill.h"
#include "classic/CurveChart.h"
#include "classic/PlotLayout.h"
#include "measurement/LineReader.h"
#include "measurement/MeasurementFile.h"
#include "source/Reload.h"
#include "view/PlotChoices.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

// Reading 10^6 rows of the same numbers as a plain file, a Gamry-style .DTA and a CSV with a
// header: the readers alone (rows summed, nothing drawn) on one thread and on every core, and
// the whole reload into a chart without window. The ratios against "plain" on one thread, and
// of every core against one thread, are what counts.
namespace {

constexpr long kRows = 1'000'000;

enum Layout { kPlain, kGamry, kCsv };

const char* layoutName(Layout layout) {
    return layout == kPlain ? "plain" : layout == kGamry ? "gamry" : "csv";
}

// The same sweep as bench_reload's, in the layout asked for; f, Z' and Z'' written alike in
// all three.
const std::string& measurementFile(Layout layout) {
    static std::map<Layout, std::string> files;
    auto& path = files[layout];
    if (!path.empty())
        return path;
    path = (std::filesystem::temp_directory_path() /
            (std::string("korvane-bench-formats-v1-") + layoutName(layout) + ".txt"))
               .string();
    // Made once per machine: written by this same code, it is the same file every time.
    const std::string ready = path + ".done";
    if (std::filesystem::exists(ready))
        return path;
    std::ofstream out(path, std::ios::binary);
    if (layout == kGamry)
        out << "EXPLAIN\nTAG\tEISPOT\nTITLE\tLABEL\tPotentiostatic EIS\tTest &Identifier\n"
               "FREQINIT\tQUANT\t1.00000E+005\tInitial Fre&q. (Hz)\n"
               "ZCURVE\tTABLE\n"
               "\tPt\tTime\tFreq\tZreal\tZimag\tZsig\tZmod\tZphz\tIdc\tVdc\tIERange\n"
               "\t#\ts\tHz\tohm\tohm\tV\tohm\t\xB0\tA\tV\t#\n";
    if (layout == kCsv)
        out << "freq/Hz,Re(Z)/Ohm,-Im(Z)/Ohm,|Z|/Ohm,Phase(Z)/deg,time/s\n";
    char line[256];
    for (long i = 0; i < kRows; ++i) {
        const double f = 1e5 * std::pow(10.0, -7.0 * i / kRows);
        const double re = 12.5 + 50.0 / (1.0 + f * f * 1e-6) + 0.3 * i / kRows;
        const double im = -50.0 * f * 1e-3 / (1.0 + f * f * 1e-6);
        const double mod = std::hypot(re, im);
        const double phz = std::atan2(im, re) * 57.29577951308232;
        switch (layout) {
        case kPlain:
            std::snprintf(line, sizeof line, "%.6e\t%.6e\t%.6e\n", f, re, im);
            break;
        case kGamry:
            std::snprintf(line, sizeof line,
                          "\t%ld\t%ld\t%.6e\t%.6e\t%.6e\t1\t%.7g\t%.7g\t%.6E\t%.7g\t7\n", i,
                          10 + i / 4, f, re, im, mod, phz, -2.2e-6 * mod, -0.3411894);
            break;
        case kCsv:
            std::snprintf(line, sizeof line, "%.6e,%.6e,%.6e,%.8g,%.8g,%.14g\n", f, re, -im, mod,
                          phz, 10602.35877037526 + 0.375 * i);
            break;
        }
        out << line;
    }
    out.close();
    std::ofstream{ready};
    return path;
}

class SumSink final : public RowSink {
  public:
    void OnRow(const Row& row) override { sum += row.frequency + row.real + row.negImag; }
    double sum = 0;
};

void BM_Read(benchmark::State& state) {
    const auto layout = static_cast<Layout>(state.range(0));
    const std::string& path = measurementFile(layout);
    // 0: as many threads as cores, as a read of the program's own takes.
    state.SetLabel(std::string(layoutName(layout)) +
                   (state.range(1) == 0 ? ", every core" : ", one thread"));
    for (auto _ : state) {
        MeasurementFile file = OpenMeasurementFile(path);
        LineReader reader(file.fd.get(), file.size);
        SumSink sink;
        ReadOptions options;
        options.threads = static_cast<unsigned>(state.range(1));
        const ReadOutcome outcome = ReadMeasurement(reader, file.size, sink, options);
        if (outcome.state.rows != static_cast<std::uint64_t>(kRows))
            state.SkipWithError("not every row was read");
        benchmark::DoNotOptimize(sink.sum);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_Reload(benchmark::State& state) {
    const auto layout = static_cast<Layout>(state.range(0));
    const std::string& path = measurementFile(layout);
    state.SetLabel(layoutName(layout));
    auto chart = std::make_unique<CCurveChart>();
    const PlotLayout frame = LayoutFor({0, 0, 534, 392}, false);
    for (auto _ : state) {
        FillClassicChart(*chart, ReadWholeFile(path, nullptr).series, false, {}, frame);
        benchmark::DoNotOptimize(chart->count);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

} // namespace

BENCHMARK(BM_Read)->ArgsProduct({{kPlain, kGamry, kCsv}, {1, 0}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Reload)->DenseRange(kPlain, kCsv)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
