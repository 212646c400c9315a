#include "KkVerdict.h"

#include "chart/AxisTicks.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

QString percent(double value, const NumberStyle& numbers) {
    return QString::fromStdString(value >= 10 ? numbers.Fixed(value, 0)
                                              : numbers.Significant(value, 2));
}

// Three significant digits at most, as the frequencies of a sweep are usually chosen: "1 Hz".
QString hertz(double f, const NumberStyle& numbers) {
    const int exponent = PrefixExponentFor(f);
    return QString::fromStdString(numbers.Significant(f / std::pow(10.0, exponent), 3) + " " +
                                  SiPrefix(exponent).value_or("") + "Hz");
}

QString tr(const char* text) {
    return QCoreApplication::translate("KkVerdict", text);
}

} // namespace

QString KkVerdict(const SweepCheck& check, const NumberStyle& numbers) {
    const KkResult& r = check.result;
    if (r.status != KkResult::Status::Checked)
        return {};
    const QString largest = percent(r.largestPercent, numbers);
    if (r.valid)
        return tr("KK valid, largest residual %1 %").arg(largest);
    double lowest = INFINITY, highest = 0;
    for (const Point& p : check.points)
        if (p.f > 0 && std::isfinite(p.f)) {
            lowest = std::min(lowest, p.f);
            highest = std::max(highest, p.f);
        }
    // Drift shows where the sweep spends its time, at low frequency; the cables and induction
    // at high frequency.
    const bool low = r.overFrom <= lowest, high = r.overTo >= highest;
    if (low && !high)
        return tr("KK: residuals up to %1 % below %2: drift?")
            .arg(largest, hertz(r.overTo, numbers));
    if (high && !low)
        return tr("KK: residuals up to %1 % above %2: wiring or induction?")
            .arg(largest, hertz(r.overFrom, numbers));
    return tr("KK: residuals up to %1 % from %2 to %3")
        .arg(largest, hertz(r.overFrom, numbers), hertz(r.overTo, numbers));
}
