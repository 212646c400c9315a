#include "KkReport.h"

#include "CommandOutput.h"
#include "export/KkSweeps.h"
#include "measurement/MeasurementFile.h"
#include "measurement/Refusal.h"
#include "platform/WhyNotRead.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

std::string printed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// `digits` significant digits; whole numbers from where that would need an exponent on.
std::string significant(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    if (std::string_view(text).find('e') != std::string_view::npos && std::abs(value) >= 1)
        return printed("%.0f", value);
    return text;
}

std::string hertz(double f) {
    return significant(f, 3) + " Hz";
}

std::string percent(double value) {
    return significant(value, 2) + " %";
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
    line += ", M " + std::to_string(result.m) + ", mu " + printed("%.6f", result.mu) + ", chi2 " +
            printed("%.1e", result.chi2) + ", noise " + percent(result.noisePercent) +
            ", largest residual " + percent(result.largestPercent) + " at " +
            hertz(result.largestAt);
    if (result.valid)
        return line + ": valid";
    if (!std::isnan(result.overFrom)) {
        line += ", over " + printed("%g", limitPercent) + " %";
        line += result.overFrom == result.overTo
                    ? " at " + hertz(result.overFrom)
                    : " from " + hertz(result.overFrom) + " to " + hertz(result.overTo);
    }
    return line + ": invalid";
}

int PrintKkReport(const std::string& file, const KkOptions& options, QTextStream& out,
                  QTextStream& err) {
    const MeasurementFile opened = OpenMeasurementFile(file);
    if (!opened) {
        err << "korvane: " << CannotRead(file, WhyNotRead(opened.error)) << "\n";
        return 1;
    }
    std::string lines;
    KkSweeps sweeps(options, nullptr, [&](std::uint32_t sweep, const KkResult& result) {
        lines += KkLine(sweep, result, options.limitPercent) + "\n";
    });
    LineReader reader(opened.fd.get(), ReadLimit(opened.size));
    const ReadOutcome outcome = ReadMeasurement(reader, opened.size, sweeps);
    sweeps.Finish();
    const std::string refusal =
        outcome.error ? std::string() : RefusalText(outcome.detection, outcome.state, false);
    if (outcome.error || !refusal.empty()) {
        err << "korvane: "
            << CannotRead(file, WhyNotRead(AtPath(outcome.error, opened.path), refusal)) << "\n";
        return 1;
    }
    out << QString::fromStdString(lines.empty() ? "kk: no points to check\n" : lines);
    return 0;
}
