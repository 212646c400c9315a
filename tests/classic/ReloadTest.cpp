#include "source/Reload.h"
#include "DrawnChart.h"
#include "classic/ClassicChartFill.h"
#include "tests/app/TempDir.h"
#include "tests/measurement/FormatFixtures.h"
#include "view/PlotChoices.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <sstream>
#include <thread>

namespace {

struct Ranges {
    double xMin, xMax, yMin, yMax;
    int xExp = 0, yExp = 0;
    friend bool operator==(const Ranges&, const Ranges&) = default;
};

std::ostream& operator<<(std::ostream& out, const Ranges& r) {
    return out << "X [" << r.xMin << ", " << r.xMax << "] e" << r.xExp << ", Y [" << r.yMin << ", "
               << r.yMax << "] e" << r.yExp;
}

// A chart set up as the dialog sets it up, filled from each read as the dialog fills it and
// counting the reads it would show.
struct Fixture {
    Fixture() {
        chart->Init("Z'", "-Z\"", "Fitting", 0, 0, 0);
        chart->ShowZeroLine(true);
    }
    // Whether the read failed.
    bool reload(const std::string& path, bool plus = false, GrowthWatch* watch = nullptr) {
        const ReadResult read = ReadWholeFile(path, watch);
        const bool shown = read.found && !read.failed() && read.series;
        FillClassicChart(*chart, shown ? read.series : nullptr, plus, PlotChoices{},
                         LayoutFor({0, 0, 534, 392}, false));
        shows += shown;
        return read.failed();
    }
    Ranges ranges() const {
        return {chart->xMin, chart->xMax, chart->yMin, chart->yMax, chart->xExp, chart->yExp};
    }
    // The points as "x,y" pairs, NaN points left out: what the picture shows.
    std::vector<std::pair<double, double>> drawnPoints() const {
        std::vector<std::pair<double, double>> out;
        for (int i = 0; i < chart->count; ++i)
            if (!std::isnan(chart->xData[i]) && !std::isnan(chart->yData[i]))
                out.emplace_back(chart->xData[i], chart->yData[i]);
        return out;
    }
    int shows = 0;
    std::unique_ptr<CCurveChart> chart = std::make_unique<CCurveChart>();
    TempDir dir;
};

struct FileCase {
    const char* name;
    std::string content;
    bool plus;
    int count;
    Ranges ranges;
};

TEST(Reload, FilesBecomePointsAndRanges) {
    const FileCase cases[] = {
        {"empty file", "", false, 0, {0, 1, 0, 1}},
        {"one line: both ranges widened about it", "1 2 3\n", false, 1, {1, 3, -4.5, -1.5}},
        {"one line beyond 1e9: widened about it", "0 2e9 -3e9\n", false, 1, {1, 3, 1.5, 4.5, 3, 3}},
        {"gigaohms keep their axes", "0 2e9 -3e9\n0 4e9 -5e9\n", false, 2, {2, 4, 3, 5, 3, 3}},
        {"all below -1e9", "0 -4e9 5e9\n0 -2e9 3e9\n", false, 2, {-4, -2, -5, -3, 3, 3}},
        {"one line, plus, -Z'' above 0", "0 0.5 -2\n", true, 1, {250, 750, 0, 2, -1, 0}},
        {"several lines", "1 1 -1\n2 3 -4\n3 2 -2\n", false, 3, {1, 3, 1, 4}},
        {"several lines, plus", "1 1 -1\n2 3 -4\n3 2 -2\n", true, 3, {1, 3, 0, 4}},
        {"plus with every -Z'' at or below 0", "0 1 2\n0 2 3\n", true, 2, {1, 2, 0, 1}},
        {"points below the Y axis under plus", "0 1 -2\n0 2 3\n", true, 2, {1, 2, 0, 2}},
        {"milliohms", "1 0.012 -0.001\n2 0.020 -0.004\n", false, 2, {12.0, 20.0, 1.0, 4.0, -1, -1}},
        {"kiloohms", "1 1500 -200\n2 2500 -900\n", false, 2, {1.5, 2.5, 200, 900, 1, 0}},
        {"blank line in the middle and at the end", "1 1 -1\n\n2 3 -4\n\n", false, 4, {1, 3, 1, 4}},
        {"decimal commas repeat the previous point",
         "1 1 -1\n2 3 -4\n3 2,5 -2,5\n",
         false,
         3,
         {1, 3, 1, 4}},
        {"300-character line",
         std::string(280, ' ') + "1 5 -6" + std::string(14, ' ') + "\n2 4 -5\n",
         false,
         2,
         {4, 5, 5, 6}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        Fixture f;
        EXPECT_FALSE(f.reload(f.dir.write("m.txt", tc.content), tc.plus));
        EXPECT_EQ(f.chart->count, tc.count);
        EXPECT_EQ(f.ranges(), tc.ranges);
        EXPECT_EQ(f.shows, 1) << "shown once";
    }
}

TEST(Reload, LineEndsAndHeadersDoNotChangeThePicture) {
    const std::string body = "1 0.10 -0.02\n2 0.15 -0.05\n3 0.30 -0.01";
    const std::string variants[] = {
        body + "\n",
        "1 0.10 -0.02\r\n2 0.15 -0.05\r\n3 0.30 -0.01\r\n",
        body,
        "Freq/Hz\tZre/Ohm\tZim/Ohm\n" + body + "\n",
        "# instrument X\n# run 7\nfreq,Zre,Zim\n" + body + "\n",
    };
    Fixture reference;
    reference.reload(reference.dir.write("m.txt", variants[0]));
    for (const auto& content : variants) {
        SCOPED_TRACE(content);
        Fixture f;
        f.reload(f.dir.write("m.txt", content));
        EXPECT_EQ(f.drawnPoints(), reference.drawnPoints());
        EXPECT_EQ(f.ranges(), reference.ranges());
    }
}

TEST(Reload, LongFilesKeepPointsSpreadOverTheWholeFile) {
    Fixture f;
    std::ostringstream content;
    for (int line = 0; line < 25000; ++line)
        content << line << ' ' << line << ' ' << -2.0 * line << '\n';
    f.reload(f.dir.write("m.txt", content.str()));
    ASSERT_LE(f.chart->count, CHART_CAPACITY);
    EXPECT_GT(f.chart->count, 5000);
    EXPECT_EQ(f.chart->tData[0], 0.0);
    EXPECT_EQ(f.chart->tData[f.chart->count - 1], 24999.0);
    // Evenly spread: no gap between kept lines is much wider than the average.
    double widest = 0;
    for (int i = 1; i < f.chart->count; ++i)
        widest = std::max(widest, f.chart->tData[i] - f.chart->tData[i - 1]);
    EXPECT_LT(widest, 4.0 * 25000 / f.chart->count);
    for (int i = 0; i < f.chart->count; ++i)
        ASSERT_EQ(f.chart->xData[i], f.chart->tData[i]);
    // The ranges cover every line, dropped or not (exponent 1: thousands).
    EXPECT_EQ(f.ranges(), (Ranges{0, 24.999, 0, 49.998, 1, 1}));
}

TEST(Reload, WhatIsNotAReadableRegularFileEndsTheTickSilently) {
    Fixture f;
    const std::string fifo = f.dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string unreadable = f.dir.write("locked.txt", "1 2 3\n");
    ::chmod(unreadable.c_str(), 0);
    struct Case {
        const char* name;
        std::string path;
    };
    std::vector<Case> cases = {{"no file chosen", ""},
                               {"missing file", f.dir.file("missing.txt")},
                               {"directory", f.dir.file("")},
                               {"FIFO without a writer", fifo}};
    if (::geteuid() != 0)
        cases.push_back({"no read permission", unreadable});
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        PutPoints(*f.chart, {{5, 5}});
        f.chart->SetXRange(0, 10);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(f.reload(tc.path));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5))
            << "must not wait for a writer";
        EXPECT_EQ(f.chart->count, 0) << "emptied all the same";
        EXPECT_EQ(f.ranges(), (Ranges{0, 1, 0, 1}));
        EXPECT_EQ(f.shows, 0) << "not shown";
    }
}

TEST(Reload, AHundredMegabyteLineIsOneLine) {
    Fixture f;
    std::string content = "1 1 -1\n   2 2 -2";
    content.append(100 * 1000 * 1000, ' ');
    content += "\n3 3 -3\n";
    f.reload(f.dir.write("m.txt", content));
    EXPECT_EQ(f.chart->count, 3);
    EXPECT_EQ(f.chart->xData[1], 2.0);
    EXPECT_EQ(f.ranges(), (Ranges{1, 3, 1, 3}));
}

TEST(Reload, TheFileIsReadAfreshAtEveryTick) {
    Fixture f;
    const std::string path = f.dir.write("m.txt", "1 1 -1\n2 2 -2\n");
    f.reload(path);
    EXPECT_EQ(f.chart->count, 2);
    f.dir.write("m.txt", "1 1 -1\n2 2 -2\n3 3 -3\n");
    f.reload(path);
    EXPECT_EQ(f.chart->count, 3);
    EXPECT_EQ(f.ranges(), (Ranges{1, 3, 1, 3}));
    ::unlink(path.c_str());
    f.reload(path);
    EXPECT_EQ(f.chart->count, 0);
    EXPECT_EQ(f.shows, 2);
}

TEST(Reload, InfiniteValuesAreTreatedLikeNaN) {
    const std::string cases[] = {"1 1 -1\n2 inf -5\n3 3 -3\n", "1 1 -1\n2 5 1e999\n3 3 -3\n",
                                 "1 1 -1\n2 -inf -inf\n3 3 -3\n", "1 1 -1\n2 nan -5\n3 3 -3\n"};
    for (const auto& content : cases) {
        SCOPED_TRACE(content);
        Fixture f;
        f.reload(f.dir.write("m.txt", content));
        EXPECT_EQ(f.chart->count, 3) << "still a point, with its ordinal";
        EXPECT_EQ(f.drawnPoints(), (std::vector<std::pair<double, double>>{{1, 1}, {3, 3}}));
        EXPECT_TRUE(std::isnan(f.chart->xData[1]) || std::isnan(f.chart->yData[1]));
        EXPECT_FALSE(std::isinf(f.chart->xData[1]) || std::isinf(f.chart->yData[1]));
        // A NaN Z' still lets its -Z'' count, as before; an infinite value moves nothing.
        const bool nanCase = content.find("nan") != std::string::npos;
        EXPECT_EQ(f.ranges(), (Ranges{1, 3, 1, nanCase ? 5.0 : 3.0}));
    }
}

TEST(Reload, EveryFormatGivesThePointsAndRangesOfItsPlainFile) {
    Fixture plain;
    plain.reload(plain.dir.write("plain.txt", fixtures::Plain()));
    ASSERT_EQ(plain.chart->count, static_cast<int>(fixtures::Sweep().size()));
    for (const auto& file : fixtures::EveryFormat()) {
        SCOPED_TRACE(file.name);
        Fixture f;
        EXPECT_FALSE(f.reload(f.dir.write(file.name, file.content)));
        EXPECT_EQ(f.drawnPoints(), plain.drawnPoints());
        EXPECT_EQ(f.ranges(), plain.ranges());
        EXPECT_EQ(f.chart->count, plain.chart->count);
        for (int i = 0; i < f.chart->count; ++i)
            EXPECT_EQ(f.chart->tData[i], i) << "t is the row's ordinal";
    }
}

TEST(Reload, AHalfWrittenLastRowWaitsWhileTheFileGrows) {
    Fixture f;
    GrowthWatch watch;
    const std::string path = f.dir.write("m.csv", "f,Zre,Zim\n1,1,-1\n2,2,-2\n3,3");
    // The first tick of a newly chosen path counts the last line ("3,3": too few fields
    // for this header, so no row all the same).
    f.reload(path, false, &watch);
    EXPECT_EQ(f.chart->count, 2);

    const std::string plainPath = f.dir.write("p.txt", "1 1 -1\n2 2 -2\n3 3");
    f.reload(plainPath, false, &watch);
    EXPECT_EQ(f.chart->count, 3) << "a new path: its last line counts at once";
    f.dir.write("p.txt", "1 1 -1\n2 2 -2\n3 3 -3\n4 4");
    f.reload(plainPath, false, &watch);
    EXPECT_EQ(f.chart->count, 3) << "grown since the last tick: \"4 4\" waits";
    f.reload(plainPath, false, &watch);
    EXPECT_EQ(f.chart->count, 4) << "unchanged for one tick: it counts";
    EXPECT_EQ(f.chart->xData[3], 4.0);
    f.dir.write("p.txt", "1 1 -1\n2 2 -2\n3 3 -3\n4 4 -4\n");
    f.reload(plainPath, false, &watch);
    EXPECT_EQ(f.chart->count, 4) << "a line with its line end counts while the file grows";
    EXPECT_EQ(f.ranges(), (Ranges{1, 4, 1, 4}));

    // Without a watch (a snapshot), the file is read as it stands.
    f.dir.write("p.txt", "1 1 -1\n2 2 -2\n3 3");
    f.reload(plainPath);
    EXPECT_EQ(f.chart->count, 3);
}

TEST(Reload, AFileThatVanishesAndComesBackWaitsForItsSizeToSettle) {
    Fixture f;
    GrowthWatch watch;
    const std::string path = f.dir.write("m.txt", "1 1 -1\n2 2");
    f.reload(path, false, &watch);
    EXPECT_EQ(f.chart->count, 2);
    ::unlink(path.c_str());
    f.reload(path, false, &watch);
    EXPECT_EQ(f.chart->count, 0);
    f.dir.write("m.txt", "1 1 -1\n2 2");
    f.reload(path, false, &watch);
    EXPECT_EQ(f.chart->count, 1) << "written anew: the last line waits";
    f.reload(path, false, &watch);
    EXPECT_EQ(f.chart->count, 2);
}

TEST(Reload, AWriterWaitingOnAFifoIsNeverDisturbed) {
    Fixture f;
    const std::string fifo = f.dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::atomic<bool> released = false;
    std::thread writer([&] {
        const int fd = ::open(fifo.c_str(), O_WRONLY);
        released = true;
        if (fd >= 0)
            ::close(fd);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(f.reload(fifo));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(released) << "the FIFO was never opened";
    const int reader = ::open(fifo.c_str(), O_RDONLY);
    writer.join();
    if (reader >= 0)
        ::close(reader);
}

TEST(Reload, TheFormatIsToldAnewAtEveryTick) {
    Fixture f;
    const std::string path = f.dir.write("m.txt", "1 1 -1\n2 2 -2\n");
    f.reload(path);
    EXPECT_EQ(f.ranges(), (Ranges{1, 2, 1, 2}));
    // The instrument rewrites it as a table whose third column is already -Im(Z).
    f.dir.write("m.txt", "freq/Hz,Re(Z)/Ohm,-Im(Z)/Ohm\n1,1,-1\n2,2,-2\n");
    f.reload(path);
    EXPECT_EQ(f.ranges(), (Ranges{1, 2, -2, -1}));
}

TEST(Reload, EachPointKnowsItsFrequencyAndLineAndTheResultTheFilesFormat) {
    Fixture f;
    const std::string path = f.dir.write("m.DTA", fixtures::Gamry());
    const ReadResult result = ReadWholeFile(path, nullptr);
    EXPECT_EQ(result.format, "gamry-dta");
    ASSERT_TRUE(result.series);
    const std::vector<Point>& points = result.series->points();
    ASSERT_EQ(points.size(), fixtures::Sweep().size());
    EXPECT_EQ(points.front().f, fixtures::Sweep().front().f);
    EXPECT_EQ(points.back().f, fixtures::Sweep().back().f);
    // Lines count the file's header too: the rows follow it, one a line.
    EXPECT_GT(points.front().line, 3);
    EXPECT_EQ(points.back().line - points.front().line,
              static_cast<std::int64_t>(points.size()) - 1);
}

} // namespace
