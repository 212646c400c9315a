#pragma once

#include "analysis/CircuitFit.h"
#include "model/Series.h"

#include <atomic>
#include <map>
#include <memory>
#include <vector>

// The circuit fitted to every sweep shown, and how.
struct FitChoice {
    std::shared_ptr<const Circuit> circuit;
    FitOptions options;
};

// One sweep's fit with the points it was made on, so its line spans their frequencies
// whatever the series holds by then.
struct SweepFit {
    int sweep = 1;
    std::vector<Point> points; // the sweep's points as fitted, in file order
    std::shared_ptr<const Circuit> circuit;
    FitResult result;
    bool fromPrevious = false; // a local fit from the sweep's fit before it grew
};
// The fits of a file's sweeps, by ascending sweep; shared, as finished ones stay the same.
using SweepFits = std::vector<std::shared_ptr<const SweepFit>>;

// Fits the sweeps of one file read after read: a sweep whose points changed is fitted again,
// starting from its last result, so the one growing is refitted cheaply and a finished sweep
// keeps its fit. Runs wherever the reads run, one call at a time.
class LiveFits {
  public:
    // The fits of every sweep of `series`. Once `stop` is seen no sweep is fitted anew: a
    // sweep keeps the fit it had, or has none.
    SweepFits Fit(const Series& series, const FitChoice& choice, const std::atomic<bool>& stop);

  private:
    std::map<int, std::shared_ptr<const SweepFit>> kept_;
    FitChoice choice_;
};
