#include "analysis/KramersKronig.h"
#include "analysis/KkCircuit.h"

#include <gtest/gtest.h>

#include <functional>
#include <numbers>

namespace {

using Impedance = std::function<std::complex<double>(double omega)>;
constexpr std::complex<double> j(0, 1);

// 10 points a decade from 100 kHz down to 10 mHz; `z` may look at the point's place too.
std::vector<Point> sweep(const std::function<std::complex<double>(double, double)>& z) {
    std::vector<Point> points;
    for (int i = 0; i <= 70; ++i) {
        const double f = 1e5 * std::pow(10.0, -i / 10.0);
        const std::complex<double> value = z(2 * std::numbers::pi * f, i / 70.0);
        points.push_back({double(i), f, value.real(), -value.imag(), i + 1, 1});
    }
    return points;
}

std::complex<double> parallel(std::complex<double> a, std::complex<double> b) {
    return a * b / (a + b);
}

std::complex<double> cpe(double omega, double q, double n) {
    return 1.0 / (q * std::pow(j * omega, n));
}

TEST(KramersKronig, MuWeighsNegativeAgainstPositiveElements) {
    const struct {
        std::vector<double> r;
        double mu;
    } cases[] = {
        {{1, 2, 3, -3, -2, -1}, 0.0},
        {{-1, 2, 4, -3, 4, -1}, 0.5},
        {{1, 2}, 1.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(KkMu(c.r), c.mu);
}

TEST(KramersKronig, TimeConstantsSpanTheSweepEvenlyInLog) {
    const std::vector<double> omega = {1000, 100, 10, 1, 0.1};
    const struct {
        int m;
        std::vector<double> tau;
    } cases[] = {{3, {0.001, 0.1, 10}}, {1, {0.001}}, {5, {0.001, 0.01, 0.1, 1, 10}}};
    for (const auto& c : cases) {
        const std::vector<double> tau = KkTimeConstants(omega, c.m);
        ASSERT_EQ(tau.size(), c.tau.size());
        for (size_t k = 0; k < tau.size(); ++k)
            EXPECT_NEAR(tau[k], c.tau[k], 1e-12 * c.tau[k]) << c.m << " " << k;
    }
}

TEST(KramersKronig, EveryFitTypeFindsCircuitsOfLinearElementsValid) {
    const struct {
        const char* name;
        Impedance z;
        bool capacitance;
    } circuits[] = {
        {"R", [](double) { return std::complex<double>(25); }, false},
        {"R-L", [](double w) { return 10.0 + j * w * 1e-6; }, false},
        {"R-C", [](double w) { return 10.0 + 1.0 / (j * w * 1e-4); }, true},
        {"R-RC", [](double w) { return 10.0 + parallel(100, 1.0 / (j * w * 1e-5)); }, false},
        {"R-RQ", [](double w) { return 10.0 + parallel(100, cpe(w, 1e-4, 0.8)); }, false},
        {"R-RC-RC",
         [](double w) {
             return 5.0 + parallel(40, 1.0 / (j * w * 2.5e-6)) +
                    parallel(200, 1.0 / (j * w * 1e-3));
         },
         false},
    };
    for (const auto& c : circuits) {
        const std::vector<Point> points = sweep([&](double w, double) { return c.z(w); });
        std::vector<KkResult> results;
        for (const KkFit fit : {KkFit::Complex, KkFit::Real, KkFit::Imag}) {
            KkOptions options;
            options.fit = fit;
            options.capacitance = c.capacitance;
            options.fixedM = kKkMostElements;
            const KkResult& r = results.emplace_back(CheckKramersKronig(points, options));
            EXPECT_EQ(r.status, KkResult::Status::Checked) << c.name;
            EXPECT_TRUE(r.valid) << c.name;
            EXPECT_LT(r.largestPercent, 0.01) << c.name << " fit " << int(fit) << " M " << r.m;
        }
        // Valid fits agree with each other as closely as each with the data.
        for (size_t i = 0; i < points.size(); ++i)
            for (const KkResult& r : results)
                EXPECT_NEAR(r.fits[i].zReal, results[0].fits[i].zReal,
                            2e-4 * std::hypot(points[i].zReal, points[i].minusZImag))
                    << c.name;
    }
}

TEST(KramersKronig, DriftIsInvalidAtLowFrequency) {
    // The charge-transfer resistance grows over the sweep, most of it while the lowest
    // frequencies are measured; M chosen by mu.
    const struct {
        double drift;
        bool valid;
    } cases[] = {{0.0, true}, {0.1, false}};
    for (const auto& c : cases) {
        const std::vector<Point> points = sweep([&](double w, double when) {
            return 10.0 + parallel(100 * (1 + c.drift * when * when), cpe(w, 1e-4, 0.8));
        });
        const KkResult r = CheckKramersKronig(points, {});
        EXPECT_EQ(r.status, KkResult::Status::Checked);
        EXPECT_EQ(r.valid, c.valid) << c.drift << " largest " << r.largestPercent;
        if (!c.valid) {
            EXPECT_DOUBLE_EQ(r.overFrom, points.back().f) << c.drift;
            EXPECT_LT(r.overTo, 10.0) << c.drift;
        }
    }
}

TEST(KramersKronig, UnusablePointsAreLeftOutAndTooFewNotChecked) {
    std::vector<Point> points = sweep([](double w, double) { return 10.0 + 1.0 / (j * w); });
    points.resize(6);
    points[1].f = 0;
    points[2].zReal = std::nan("");
    const KkResult few = CheckKramersKronig(points, {});
    EXPECT_EQ(few.status, KkResult::Status::TooFew);
    EXPECT_EQ(few.leftOut, 2u);

    points = sweep([](double w, double) { return 10.0 + 1.0 / (j * w); });
    points.resize(40);
    points[1].f = 0;
    KkOptions fixed;
    fixed.fixedM = 100;
    const KkResult r = CheckKramersKronig(points, fixed);
    EXPECT_EQ(r.status, KkResult::Status::Checked);
    EXPECT_EQ(r.m, 39 * 2 / 3);
    EXPECT_TRUE(std::isnan(r.fits[1].residualReal));
    EXPECT_FALSE(std::isnan(r.fits[3].residualReal));

    const std::atomic<bool> stop = true;
    EXPECT_EQ(CheckKramersKronig(points, {}, &stop).status, KkResult::Status::Cancelled);
}

} // namespace
