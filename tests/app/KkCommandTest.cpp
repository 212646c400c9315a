#include "ParseCases.h"
#include "ProgramRun.h"
#include "TempDir.h"
#include "app/CommandLine.h"
#include "app/KkReport.h"

#include <QRegularExpression>

#include <complex>
#include <numbers>
#include <sstream>

#include <gtest/gtest.h>

namespace {

TEST(KkCommand, ParsesItsOptionsAndRefusesBadOnes) {
    using A = CommandLine::Action;
    const ParseCase cases[] = {
        {{"--kk", "m.txt"}, A::Kk, ""},
        {{"--kk", "--kk-fit", "imag", "--kk-mu", "1", "--kk-limit", "0.5", "--kk-cap", "m.txt"},
         A::Kk,
         ""},
        {{"--export", "o.csv", "--kk", "--kk-m", "100", "m.txt"}, A::Export, ""},
        {{"--kk"}, A::Error, "--kk needs a FILE to check."},
        {{"--kk", "a.txt", "b.txt"}, A::Kk, ""},
        {{"--kk", "--info", "m.txt"}, A::Error, "--info goes without --kk."},
        {{"--kk", "--snapshot", "o.png", "a.txt", "b.txt"}, A::Snapshot, ""},
        {{"--kk", "--classic", "--snapshot", "o.png", "m.txt"},
         A::Error,
         "--kk draws its residuals in the modern picture: leave out --classic."},
        {{"--kk-cap", "m.txt"}, A::Error, "--kk-cap goes with --kk."},
        {{"--kk", "--kk-fit", "both", "m.txt"}, A::Error, "--kk-fit takes complex, real or imag."},
        {{"--kk", "--kk-mu", "0", "m.txt"},
         A::Error,
         "--kk-mu takes a number above 0 and at most 1."},
        {{"--kk", "--kk-mu", "1.01", "m.txt"},
         A::Error,
         "--kk-mu takes a number above 0 and at most 1."},
        {{"--kk", "--kk-m", "0", "m.txt"}, A::Error, "--kk-m takes a whole number from 1 to 100."},
        {{"--kk", "--kk-m", "2.5", "m.txt"},
         A::Error,
         "--kk-m takes a whole number from 1 to 100."},
        {{"--kk", "--kk-limit", "0", "m.txt"}, A::Error, "--kk-limit takes a percentage above 0."},
        {{"--kk", "--kk-limit", "nan", "m.txt"},
         A::Error,
         "--kk-limit takes a percentage above 0."},
        {{"--kk", "--kk-m", "5", "--kk-mu", "0.9", "m.txt"},
         A::Error,
         "--kk-m fixes M and --kk-mu chooses it: give one of them."},
    };
    ExpectParses(cases);
    const CommandLine options = ParseCommandLine(
        {"korvane", "--kk", "--kk-fit", "real", "--kk-mu", "0.7", "--kk-limit", "2", "m.txt"});
    EXPECT_EQ(options.kkOptions.fit, KkFit::Real);
    EXPECT_EQ(options.kkOptions.muLimit, 0.7);
    EXPECT_EQ(options.kkOptions.limitPercent, 2.0);
}

TEST(KkCommand, SaysWhereAndHowFarTheResidualsGo) {
    KkResult invalid;
    invalid.status = KkResult::Status::Checked;
    invalid.points = 61;
    invalid.m = 14;
    invalid.mu = 0.789;
    invalid.chi2 = 1.6e-4;
    invalid.noisePercent = 1.2;
    invalid.largestPercent = 7.7;
    invalid.largestAt = 0.1;
    invalid.overFrom = 0.1;
    invalid.overTo = 2.5;
    KkResult valid = invalid;
    valid.valid = true;
    valid.leftOut = 2;
    valid.largestPercent = 123.4;
    valid.largestAt = 63095.7;
    KkResult once = invalid;
    once.overTo = once.overFrom;
    KkResult few;
    few.points = 4;
    const struct {
        KkResult result;
        std::string line;
    } cases[] = {
        {invalid, "kk sweep 2: 61 points, M 14, mu 0.789000, chi2 1.6e-04, noise 1.2 %, largest "
                  "residual 7.7 % at 0.1 Hz, over 1 % from 0.1 Hz to 2.5 Hz: invalid"},
        {valid, "kk sweep 2: 61 points, 2 left out, M 14, mu 0.789000, chi2 1.6e-04, noise 1.2 %, "
                "largest residual 123 % at 63096 Hz: valid"},
        {once, "kk sweep 2: 61 points, M 14, mu 0.789000, chi2 1.6e-04, noise 1.2 %, largest "
               "residual 7.7 % at 0.1 Hz, over 1 % at 0.1 Hz: invalid"},
        {few, "kk sweep 2: 4 points: too few to check"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KkLine(2, c.result, 1.0), c.line);
}

// A valid sweep of 71 points and a second one of 4.
std::string twoSweeps() {
    std::ostringstream text;
    text.precision(17);
    for (int i = 0; i <= 74; ++i) {
        const double f = 1e5 * std::pow(10.0, -(i % 71) / 10.0);
        const std::complex<double> q =
            1e-4 * std::pow(std::complex<double>(0, 2 * std::numbers::pi * f), 0.8);
        const std::complex<double> z = 10.0 + 100.0 / (1.0 + 100.0 * q);
        text << f << ' ' << z.real() << ' ' << z.imag() << '\n';
    }
    return text.str();
}

TEST(KkCommand, PrintsALinePerSweepAndExportsTheFit) {
    TempDir d;
    const std::string m = d.write("m.txt", twoSweeps());
    const ProgramRun run = runKorvane({"--kk", m});
    EXPECT_EQ(run.exitCode, 0);
    const QStringList lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 3) << run.out.toStdString();
    EXPECT_TRUE(lines[0].contains(
        QRegularExpression("^kk sweep 1: 71 points, M \\d+, mu \\d\\.\\d{6}, chi2 .*: valid$")))
        << lines[0].toStdString();
    EXPECT_EQ(lines[1], "kk sweep 2: 4 points: too few to check");

    const std::string csv = d.file("kk.csv");
    for (int twice = 0; twice < 2; ++twice)
        EXPECT_EQ(runKorvane({"--export", csv, "--kk", "--kk-cap", m}).exitCode, 0);
    const QStringList rows = QString::fromStdString(readWhole(csv)).split('\n');
    ASSERT_EQ(rows.size(), 77);
    EXPECT_EQ(rows[0], "f/Hz,Z'/Ohm,-Z''/Ohm,|Z|/Ohm,phase/deg,line,kk Z'/Ohm,kk -Z''/Ohm,"
                       "kk res'/%,kk res''/%");
    EXPECT_EQ(rows[1].split(',').size(), 10);
    EXPECT_FALSE(rows[71].endsWith(",,,,"));
    EXPECT_TRUE(rows[72].endsWith(",72,,,,")) << rows[72].toStdString();
}

} // namespace
