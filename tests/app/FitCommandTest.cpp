#include "ParseCases.h"
#include "ProgramRun.h"
#include "TempDir.h"
#include "app/CommandLine.h"
#include "app/FitReport.h"

#include <QRegularExpression>

#include <complex>
#include <numbers>
#include <sstream>

#include <gtest/gtest.h>

namespace {

TEST(FitCommand, ParsesItsOptionsAndRefusesBadOnes) {
    using A = CommandLine::Action;
    const ParseCase cases[] = {
        {{"--fit", "R0-p(R1,C1)", "--fit-weight", "modulus", "--fit-range", "0.1:1e4",
          "--fit-guess", "1,2,3e-6", "m.txt"},
         A::Fit,
         ""},
        {{"--fit", "R0-p(R1", "m.txt"}, A::Error, "--fit: expected ')' at 8 in \"R0-p(R1\""},
        {{"--fit", "R0-p(R1,C1)"}, A::Error, "--fit needs a FILE to fit."},
        {{"--fit", "R0", "--kk", "m.txt"}, A::Error, "--kk goes without --fit."},
        {{"--export", "o.csv", "--kk", "--fit", "R0", "m.txt"}, A::Export, ""},
        {{"--snapshot", "o.png", "--fit", "R0", "a.txt", "b.txt"}, A::Snapshot, ""},
        {{"--snapshot", "o.png", "--fit", "R0", "--classic", "m.txt"},
         A::Error,
         "--fit draws its lines in the modern picture: leave out --classic."},
        {{"--export", "o.csv", "--fit", "R0", "--fit-export", "p.csv", "m.txt"},
         A::Error,
         "--export goes without --fit."},
        {{"--fit-weight", "unit", "m.txt"}, A::Error, "--fit-weight goes with --fit."},
        {{"--fit-export", "o.csv", "m.txt"}, A::Error, "--fit-export goes with --fit."},
        {{"--fit", "R0", "--fit-weight", "square", "m.txt"},
         A::Error,
         "--fit-weight takes unit, modulus or proportional."},
        {{"--fit", "R0", "--fit-range", "5:1", "m.txt"},
         A::Error,
         "--fit-range takes FMIN:FMAX in Hz, 0 <= FMIN <= FMAX."},
        {{"--fit", "R0-p(R1,C1)", "--fit-guess", "1,2", "m.txt"},
         A::Error,
         "--fit-guess: 2 values for the 3 parameters of R0-p(R1,C1)."},
        {{"--fit", "R0-CPE1", "--fit-guess", "1,2,1.5", "m.txt"},
         A::Error,
         "--fit-guess: CPE1_alpha takes a value above 0 and at most 1."},
        {{"--fit", "R0", "--fit-guess", "x", "m.txt"},
         A::Error,
         "--fit-guess: \"x\" for R0 is no number."},
    };
    ExpectParses(cases);
    const CommandLine options = ParseCommandLine({"korvane", "--fit", "R0-p(R1,C1)", "--fit-range",
                                                  "0.1:1e4", "--fit-guess", "1,2,3e-6", "m.txt"});
    EXPECT_EQ(options.fitOptions.fMin, 0.1);
    EXPECT_EQ(options.fitOptions.fMax, 1e4);
    EXPECT_EQ(options.fitOptions.guess, (std::vector<double>{1, 2, 3e-6}));
}

TEST(FitCommand, PrintsABlockPerSweep) {
    const Circuit circuit = ParseCircuit("R0-CPE1").circuit;
    FitResult fitted;
    fitted.status = FitResult::Status::Fitted;
    fitted.points = 57;
    fitted.values = {0.016533, 0.5, 1};
    fitted.errors = {0.016533 * 0.0021, std::nan(""), 0};
    fitted.chi2 = 1.41e-5;
    fitted.iterations = 38;
    fitted.converged = true;
    FitResult unsure = fitted;
    unsure.converged = false;
    FitResult few;
    few.points = 3;
    const struct {
        FitResult result;
        std::string block;
    } cases[] = {
        {fitted, "fit sweep 2: 57 points, R0-CPE1, weight modulus, chi2 1.41e-05, 38 iterations, "
                 "converged\nR0 = 0.016533 Ohm ± 0.21 %\nCPE1_Q = 0.5 F s^(alpha-1) ± "
                 "undetermined\nCPE1_alpha = 1 ± 0 %\n"},
        {unsure, "fit sweep 2: 57 points, R0-CPE1, weight modulus, chi2 1.41e-05, 38 iterations, "
                 "not converged\nR0 = 0.016533 Ohm ± 0.21 %\nCPE1_Q = 0.5 F s^(alpha-1) ± "
                 "undetermined\nCPE1_alpha = 1 ± 0 %\n"},
        {few, "fit sweep 2: 3 points: too few for 3 parameters\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitBlock(2, circuit, FitWeight::Modulus, c.result), c.block);
}

TEST(FitCommand, FitsEachSweepOfAFile) {
    std::ostringstream text;
    text.precision(17);
    for (int i = 0; i <= 74; ++i) {
        const double f = 1e5 * std::pow(10.0, -(i % 71) / 10.0);
        const std::complex<double> jwc(0, 2 * std::numbers::pi * f * 1e-5);
        const std::complex<double> z = 10.0 + 100.0 / (1.0 + 100.0 * jwc);
        text << f << ' ' << z.real() << ' ' << z.imag() << '\n';
    }
    TempDir d;
    const ProgramRun run = runKorvane({"--fit", "R0-p(R1,C1)", d.write("m.txt", text.str())});
    EXPECT_EQ(run.exitCode, 0);
    const QStringList lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 6) << run.out.toStdString();
    EXPECT_TRUE(lines[0].contains(QRegularExpression(
        "^fit sweep 1: 71 points, R0-p\\(R1,C1\\), weight unit, chi2 .*, converged$")));
    EXPECT_TRUE(lines[2].contains(QRegularExpression("^R1 = (100|99\\.9999)\\S* Ohm ± ")))
        << lines[2].toStdString();
    EXPECT_EQ(lines[4], "fit sweep 2: 4 points: too few for 3 parameters");

    const std::string csv = d.file("fit.csv");
    for (int twice = 0; twice < 2; ++twice)
        EXPECT_EQ(
            runKorvane({"--fit", "R0-p(R1,C1)", "--fit-export", csv, d.file("m.txt")}).exitCode, 0);
    const QStringList rows = QString::fromStdString(readWhole(csv)).split('\n');
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], "file,sweep,points,chi2,R0/Ohm,R0 err/Ohm,R1/Ohm,R1 err/Ohm,C1/F,C1 err/F");
    EXPECT_EQ(rows[1].split(',').size(), 10);
    EXPECT_TRUE(rows[2].endsWith(",2,4,,,,,,,")) << rows[2].toStdString();
    const std::string other = d.write("other.csv", "a,b\n");
    EXPECT_EQ(runKorvane({"--fit", "R0", "--fit-export", other, d.file("m.txt")}).exitCode, 1);
    EXPECT_EQ(readWhole(other), "a,b\n");
}

} // namespace
