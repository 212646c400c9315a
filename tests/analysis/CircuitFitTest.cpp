#include "analysis/CircuitFit.h"
#include "analysis/Circuit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using Complex = std::complex<double>;

TEST(Circuit, ParseFaultsNameTheirPlace) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"R0-p(R1", "expected ')' at 8 in \"R0-p(R1\""},
        {"R0-X1", "unknown element \"X1\" at 4 in \"R0-X1\""},
        {"R1-p(R1,C1)", "R1 is named twice, first at 1 at 6 in \"R1-p(R1,C1)\""},
        {"R0-", "expected an element at 4 in \"R0-\""},
        {"R-C1", "expected a number after \"R\" at 2 in \"R-C1\""},
        {"p(R1)", "a parallel needs two branches or more at 1 in \"p(R1)\""},
        {"R1 C1", "expected '-' at 4 in \"R1 C1\""},
        {"", "expected an element at 1 in \"\""},
        {"R1-R2-R3-R4-R5-R6-R7-R8-R9-R10-R11-R12-R13-R14-R15-R16-R17-R18-R19-R20-R21-CPE1-CPE2-"
         "CPE3-"
         "CPE4-CPE5-CPE6-CPE7-CPE8-CPE9-CPE10",
         "more than 40 parameters at 121 in "
         "\"R1-R2-R3-R4-R5-R6-R7-R8-R9-R10-R11-R12-R13-R14-R15-R16-R17-R18-R19-R20-R21-CPE1-CPE2-"
         "CPE3-CPE4-CPE5-CPE6-CPE7-CPE8-CPE9-CPE10\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseCircuit(c.text).error, c.error) << c.text;
}

TEST(Circuit, ParametersComeInWrittenOrderWithTheirUnits) {
    const ParsedCircuit parsed = ParseCircuit("R0-p(R1-Wo1,CPE1)-G2-La3-Ws4");
    ASSERT_EQ(parsed.error, "");
    std::string names;
    for (const CircuitParameter& p : parsed.circuit.parameters())
        names += p.name + "/" + p.unit + " ";
    EXPECT_EQ(names, "R0/Ohm R1/Ohm Wo1_R/Ohm Wo1_tau/s CPE1_Q/F s^(alpha-1) CPE1_alpha/ "
                     "G2_R/Ohm G2_tau/s La3_L/H s^(alpha-1) La3_alpha/ Ws4_R/Ohm Ws4_tau/s ");
}

// Impedances worked out by hand.
TEST(Circuit, ImpedanceOfEveryElementAndJoin) {
    const double r2 = std::sqrt(0.5);
    const struct {
        const char* text;
        std::vector<double> values;
        double omega;
        Complex z;
    } cases[] = {
        {"R1", {100}, 7, 100},
        {"C1", {1e-3}, 1000, {0, -1}},
        {"L1", {1e-3}, 1000, {0, 1}},
        {"W1", {10}, 100, {1, -1}},
        {"CPE1", {1e-3, 0.5}, 1e4, {10 * r2, -10 * r2}},
        {"La1", {1e-3, 0.5}, 1e4, {0.1 * r2, 0.1 * r2}},
        {"G1", {10, 1}, 1, {7.768869870150186, -3.217971264527954}},
        {"Wo1", {20, 400}, 1, {r2, -r2}},       // s = 20 e^(j pi/4): coth s = 1
        {"Ws1", {20, 400}, 1, {r2, -r2}},       // and tanh s = 1
        {"Wo1", {1, 1e-4}, 1, {1.0 / 3, -1e4}}, // R/(j w tau) + R/3 at small w tau
        {"Ws1", {1, 1e-4}, 1, {1, -1e-4 / 3}},  // R (1 - j w tau/3)
        {"R0-p(R1,C1)", {10, 100, 1e-4}, 100, {60, -50}},
        {"p(R1,R2-R3)", {6, 3, 3}, 1, 3},
        {"R1-p(R2,p(R3,R4))-p(C1,C2)", {1, 2, 4, 4, 1, 1}, 1, {2, -0.5}},
    };
    for (const auto& c : cases) {
        const ParsedCircuit parsed = ParseCircuit(c.text);
        ASSERT_EQ(parsed.error, "") << c.text;
        const Complex z = parsed.circuit.impedance(c.omega, c.values);
        EXPECT_NEAR(z.real(), c.z.real(), 1e-6 * std::abs(c.z)) << c.text;
        EXPECT_NEAR(z.imag(), c.z.imag(), 1e-6 * std::abs(c.z)) << c.text;
    }
}

TEST(Circuit, DerivativesMatchDifferences) {
    const ParsedCircuit parsed = ParseCircuit("R0-L0-p(R1-Wo1,CPE1)-p(G2,La2)-p(Ws3,C3)-W4");
    ASSERT_EQ(parsed.error, "");
    const std::vector<double> values = {2,    1e-6, 10,  5, 0.3, 1e-4, 0.8, 7,
                                        0.01, 1e-3, 0.7, 4, 2,   1e-3, 3};
    std::vector<Complex> d(values.size());
    for (double omega : {0.1, 30.0, 1e4}) {
        const double z = std::abs(parsed.circuit.impedance(omega, values, d));
        for (std::size_t i = 0; i < values.size(); ++i) {
            std::vector<double> up = values, down = values;
            const double h = 1e-4 * values[i];
            up[i] += h;
            down[i] -= h;
            const Complex difference =
                (parsed.circuit.impedance(omega, up) - parsed.circuit.impedance(omega, down)) /
                (2 * h);
            // Within the differences' own truncation and rounding.
            EXPECT_NEAR(std::abs(d[i] - difference), 0, 1e-6 * std::abs(difference) + 1e-13 * z / h)
                << parsed.circuit.parameters()[i].name << " at " << omega;
        }
    }
}

// 10 points a decade from 100 kHz down to 10 mHz.
std::vector<Point> spectrum(const Circuit& circuit, const std::vector<double>& values) {
    std::vector<Point> points;
    for (int i = 0; i <= 70; ++i) {
        const double f = 1e5 * std::pow(10.0, -i / 10.0);
        const Complex z = circuit.impedance(2 * std::numbers::pi * f, values);
        points.push_back({double(i), f, z.real(), -z.imag(), i + 1, 1});
    }
    return points;
}

TEST(CircuitFit, PresetsComeBackWithoutAGuess) {
    const struct {
        const char* text;
        std::vector<double> values;
    } cases[] = {
        {"R0-p(R1,C1)", {10, 100, 1e-5}},
        {"R0-p(R1,CPE1)", {10, 100, 1e-5, 0.85}},
        {"R0-p(R1-W1,CPE1)", {10, 100, 30, 2e-5, 0.9}},
        {"R0-p(R1,CPE1)-p(R2,CPE2)", {5, 20, 1e-6, 0.9, 200, 1e-3, 0.8}},
        {"R0-p(R1-Wo1,CPE1)", {10, 100, 200, 10, 1e-5, 0.9}},
    };
    for (const auto& c : cases) {
        const ParsedCircuit parsed = ParseCircuit(c.text);
        const FitResult fit = FitCircuit(parsed.circuit, spectrum(parsed.circuit, c.values), {});
        ASSERT_EQ(fit.status, FitResult::Status::Fitted) << c.text;
        EXPECT_TRUE(fit.converged) << c.text;
        for (std::size_t i = 0; i < c.values.size(); ++i)
            EXPECT_NEAR(fit.values[i] / c.values[i], 1, 1e-4)
                << c.text << " " << parsed.circuit.parameters()[i].name;
    }
}

// Started with the first arc's resistor small and the second's large, a local fit collapses
// the first arc into the intercept and stops in a higher minimum; the fit without a guess
// finds both arcs.
TEST(CircuitFit, WithoutAGuessReachesTheLowerOfTwoMinima) {
    const ParsedCircuit parsed = ParseCircuit("R0-p(R1,C1)-p(R2,C2)");
    const std::vector<double> truth = {10, 100, 1e-6, 100, 1e-2};
    const std::vector<Point> points = spectrum(parsed.circuit, truth);
    FitOptions guessed;
    guessed.guess = {200, 1, 1e-6, 1, 1e-2};
    const FitResult local = FitCircuit(parsed.circuit, points, guessed);
    const FitResult global = FitCircuit(parsed.circuit, points, {});
    EXPECT_GT(local.chi2, 1e3);
    EXPECT_LT(global.chi2, 1e-12);
    for (std::size_t i = 0; i < truth.size(); ++i)
        EXPECT_NEAR(global.values[i] / truth[i], 1, 1e-4) << i;
}

TEST(CircuitFit, TooFewPointsOrAStopEndTheFitWithoutValues) {
    const ParsedCircuit parsed = ParseCircuit("R0-p(R1,CPE1)");
    const std::vector<Point> points = spectrum(parsed.circuit, {10, 100, 1e-5, 0.85});
    const std::atomic<bool> stop = true;
    EXPECT_EQ(FitCircuit(parsed.circuit, points, {}, &stop).status, FitResult::Status::Cancelled);
    FitOptions range;
    range.fMin = 1;
    range.fMax = 5;
    const FitResult few = FitCircuit(parsed.circuit, points, range);
    EXPECT_EQ(few.status, FitResult::Status::TooFew);
    EXPECT_EQ(few.points, 7u);
}

} // namespace
