#include "source/SweepChecks.h"
#include "model/SeriesBuilder.h"
#include "source/SweepFits.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A parallel RC of 100 ohm and 1 ms, `rows` points of each sweep 10 a decade from 10 kHz.
SeriesSnapshot sweeps(int count, int rowsOfLast) {
    SeriesBuilder builder;
    int line = 0;
    for (int sweep = 1; sweep <= count; ++sweep)
        for (int i = 0; i < (sweep == count ? rowsOfLast : 30); ++i) {
            const double f = 1e4 * std::pow(10.0, -i / 10.0), wt = 2 * M_PI * f * 1e-3;
            const double d = 1 + wt * wt;
            builder.Add({double(line), f, 100 / d, 100 * wt / d, ++line, sweep});
        }
    return builder.Make();
}

TEST(LiveChecks, AGrowingSweepIsCheckedAgainAndAFinishedOneKeepsItsResult) {
    const std::atomic<bool> go{false}, stop{true};
    const KkOptions options, stricter{KkFit::Complex, 0.85, 0, 0.5, false};
    const struct {
        const char* what;
        SeriesSnapshot series;
        const KkOptions& options;
        const std::atomic<bool>& stop;
        std::vector<bool> checkedAgain; // by sweep; empty: nothing comes
    } steps[] = {
        {"the first read", sweeps(2, 10), options, go, {true, true}},
        {"the second sweep grows", sweeps(2, 20), options, go, {false, true}},
        {"a third begins", sweeps(3, 6), options, go, {false, true, true}},
        {"the same again", sweeps(3, 6), options, go, {false, false, false}},
        {"stopped", sweeps(3, 7), options, stop, {}},
        {"after the stop", sweeps(3, 7), options, go, {false, false, true}},
        {"other options", sweeps(3, 7), stricter, go, {true, true, true}},
    };
    LiveChecks live;
    SweepChecks before;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        const SweepChecks checks = live.Check(*s.series, s.options, s.stop);
        ASSERT_EQ(checks.size(), s.checkedAgain.size());
        for (size_t i = 0; i < checks.size(); ++i) {
            EXPECT_EQ(checks[i]->sweep, int(i + 1));
            EXPECT_EQ(checks[i]->result.status, KkResult::Status::Checked);
            EXPECT_EQ(checks[i]->result.fits.size(), checks[i]->points.size());
            EXPECT_EQ(i >= before.size() || checks[i] != before[i], s.checkedAgain[i]) << i;
        }
        if (!checks.empty())
            before = checks;
    }
}

TEST(LiveFits, TheGrowingSweepStartsFromItsLastFitAndAFinishedOneIsFittedAfreshOnce) {
    const std::atomic<bool> go{false}, stop{true};
    const FitChoice rc{std::make_shared<const Circuit>(ParseCircuit("p(R1,C1)").circuit), {}};
    const struct {
        const char* what;
        SeriesSnapshot series;
        const std::atomic<bool>& stop;
        std::vector<int> fitted; // by sweep: 0 kept, 1 from no guess, 2 from its last fit
    } steps[] = {
        {"the first read", sweeps(2, 10), go, {1, 1}},
        {"the second sweep grows", sweeps(2, 20), go, {0, 2}},
        {"the same again", sweeps(2, 20), go, {0, 0}},
        {"stopped as it grows", sweeps(2, 21), stop, {0, 0}},
        {"a third begins", sweeps(3, 6), go, {0, 1, 1}},
    };
    LiveFits live;
    SweepFits before;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.what);
        const SweepFits fits = live.Fit(*s.series, rc, s.stop);
        ASSERT_EQ(fits.size(), s.fitted.size());
        for (size_t i = 0; i < fits.size(); ++i) {
            EXPECT_EQ(fits[i]->result.status, FitResult::Status::Fitted);
            EXPECT_NEAR(fits[i]->result.values[0], 100, 1e-6);
            const bool again = i >= before.size() || fits[i] != before[i];
            EXPECT_EQ(again ? 1 + fits[i]->fromPrevious : 0, s.fitted[i]) << i;
        }
        before = fits;
    }
}

} // namespace
