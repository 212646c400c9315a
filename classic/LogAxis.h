#pragma once

#include <optional>
#include <string>
#include <vector>

// The axis mode that spaces values by their decimal logarithm. The linear modes are 0 to 3.
inline constexpr int kLogAxis = 4;

// Where values lie between the ends of a logarithmic axis, 0 at min and 1 at max. The
// logarithms of the ends are taken once, as every dot of a picture is placed with them.
class LogScale {
  public:
    LogScale(double min, double max);
    // Nothing where the value cannot be drawn: at or below zero, not a number, or on an
    // axis whose ends are not both positive and apart.
    std::optional<double> Fraction(double value) const;

  private:
    double low_ = 0.0, span_ = 0.0;
    bool usable_ = false;
};

// The decades 10^k within [min, max], lowest first, keeping every `stride`-th (k a multiple
// of it). Nothing when the ends are not positive.
std::vector<int> DecadesWithin(double min, double max, int stride = 1);

// How many decades apart labels `labelPx` pixels long (with a gap) must stand on an axis of
// `pixels` pixels spanning [min, max], at least 1.
int DecadeStride(double min, double max, int pixels, int labelPx);

// [lowest, highest] widened outward to whole decades, at least one decade wide. Ends that
// are not positive and finite give nothing.
struct DecadeSpan {
    double min = 1.0, max = 10.0;
};
std::optional<DecadeSpan> DecadeBounds(double lowest, double highest);

// "10^k", the label of a decade.
std::string DecadeLabel(int k);
