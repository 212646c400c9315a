#include "app/KkVerdict.h"

#include <gtest/gtest.h>

namespace {

TEST(KkVerdict, SaysWhetherTheSweepIsValidAndWhereItIsNot) {
    const NumberStyle comma{",", "\u2212"};
    const struct {
        KkResult::Status status;
        bool valid;
        double largest, overFrom, overTo;
        const NumberStyle& numbers;
        const char* verdict;
    } cases[] = {
        {KkResult::Status::Checked, true, 0.1449, NAN, NAN, comma,
         "KK valid, largest residual 0,14 %"},
        {KkResult::Status::Checked, false, 7.71, 0.01, 1, kAsciiNumbers,
         "KK: residuals up to 7.7 % below 1 Hz: drift?"},
        {KkResult::Status::Checked, false, 12.4, 1e4, 1e5, kAsciiNumbers,
         "KK: residuals up to 12 % above 10 kHz: wiring or induction?"},
        {KkResult::Status::Checked, false, 2.5, 3.98, 794, kAsciiNumbers,
         "KK: residuals up to 2.5 % from 3.98 Hz to 794 Hz"},
        {KkResult::Status::Checked, false, 2.5, 0.01, 1e5, kAsciiNumbers,
         "KK: residuals up to 2.5 % from 10 mHz to 100 kHz"},
        {KkResult::Status::TooFew, false, 0, NAN, NAN, kAsciiNumbers, ""},
    };
    for (const auto& c : cases) {
        SweepCheck check;
        check.points = {{0, 1e5, 1, 1, 1, 1}, {1, 0.01, 2, 2, 2, 1}};
        check.result.status = c.status;
        check.result.valid = c.valid;
        check.result.largestPercent = c.largest;
        check.result.overFrom = c.overFrom;
        check.result.overTo = c.overTo;
        EXPECT_EQ(KkVerdict(check, c.numbers).toStdString(), c.verdict);
    }
}

} // namespace
