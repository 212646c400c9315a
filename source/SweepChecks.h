#pragma once

#include "analysis/KramersKronig.h"
#include "model/Series.h"

#include <atomic>
#include <map>
#include <memory>
#include <vector>

// One sweep's Kramers-Kronig check with the points it was made on, so its residuals can be
// drawn against their frequencies whatever the series holds by then.
struct SweepCheck {
    int sweep = 1;
    std::vector<Point> points; // the sweep's points as checked, in file order
    KkResult result;
};
// The checks of a file's sweeps, by ascending sweep; shared, as finished ones stay the same.
using SweepChecks = std::vector<std::shared_ptr<const SweepCheck>>;

// The points of each sweep of `series`, in file order.
std::map<int, std::vector<Point>> PointsBySweep(const Series& series);
// Whether a sweep's points are those it had before: a finished sweep's change only when the
// file was rewritten or thinned.
bool SamePoints(const std::vector<Point>& a, const std::vector<Point>& b);

// Checks the sweeps of one file read after read: a sweep whose points changed is checked
// again, so the one growing is checked on the points read so far and a finished sweep keeps
// its result. Runs wherever the reads run, one call at a time.
class LiveChecks {
  public:
    // The checks of every sweep of `series`; empty once `stop` was seen, and nothing
    // cancelled is kept.
    SweepChecks Check(const Series& series, const KkOptions& options,
                      const std::atomic<bool>& stop);

  private:
    std::map<int, std::shared_ptr<const SweepCheck>> kept_;
    KkOptions options_;
};
