#include "KkReport.h"

#include "ReadEveryRow.h"
#include "ReportNumbers.h"
#include "export/KkSweeps.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

std::string hertz(double f) {
    return Significant(f, 3) + " Hz";
}

std::string percent(double value) {
    return Significant(value, 2) + " %";
}

std::string points(const KkResult& result) {
    std::string text = std::to_string(result.points) + " points";
    if (result.leftOut > 0)
        text += ", " + std::to_string(result.leftOut) + " left out";
    return text;
}

} // namespace

std::string KkLine(std::uint32_t sweep, const KkResult& result, double limitPercent) {
    std::string line = "kk sweep " + std::to_string(sweep) + ": " + points(result);
    switch (result.status) {
    case KkResult::Status::TooFew:
        return line + ": too few to check";
    case KkResult::Status::TooMany:
        return line + ": too many to check (at most " + std::to_string(kKkMostPoints) + ")";
    case KkResult::Status::Cancelled:
        return line + ": not checked";
    case KkResult::Status::Checked:
        break;
    }
    line += ", M " + std::to_string(result.m) + ", mu " + Printed("%.6f", result.mu) + ", chi2 " +
            Printed("%.1e", result.chi2) + ", noise " + percent(result.noisePercent) +
            ", largest residual " + percent(result.largestPercent) + " at " +
            hertz(result.largestAt);
    if (result.valid)
        return line + ": valid";
    if (!std::isnan(result.overFrom)) {
        line += ", over " + Printed("%g", limitPercent) + " %";
        line += result.overFrom == result.overTo
                    ? " at " + hertz(result.overFrom)
                    : " from " + hertz(result.overFrom) + " to " + hertz(result.overTo);
    }
    return line + ": invalid";
}

int PrintKkReport(const std::string& file, const KkOptions& options, QTextStream& out,
                  QTextStream& err) {
    std::string lines;
    KkSweeps sweeps(options, nullptr, [&](std::uint32_t sweep, const KkResult& result) {
        lines += KkLine(sweep, result, options.limitPercent) + "\n";
    });
    if (const auto problem = ReadEveryRow(file, sweeps)) {
        err << "korvane: " << *problem << "\n";
        return 1;
    }
    sweeps.Finish();
    out << QString::fromStdString(lines.empty() ? "kk: no points to check\n" : lines);
    return 0;
}
