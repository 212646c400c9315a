#pragma once

#include "KkOptions.h"
#include "model/Series.h"

#include <atomic>
#include <cstddef>
#include <span>
#include <vector>

// The linear Kramers-Kronig check of one sweep (Schoenleber, Klotz and Ivers-Tiffee,
// Electrochimica Acta 131, 2014, after Boukamp, J. Electrochem. Soc. 142, 1995): a circuit
// that obeys the Kramers-Kronig relations by its make is fitted to the sweep, and what it
// cannot follow (drift, nonlinearity, wiring) shows as residuals.

// Sweeps with fewer usable points are not checked.
inline constexpr std::size_t kKkFewestPoints = 5;
// Nor are longer ones: each M costs the points times M squared, and M rises to 100.
inline constexpr std::size_t kKkMostPoints = 1000;
// M never grows beyond this, nor beyond two thirds of the points.
inline constexpr int kKkMostElements = 100;

// The fit at one point, and its residuals (Z - Zfit)/|Z| in %; NaN where the point was left out.
struct KkPointFit {
    double zReal, minusZImag;
    double residualReal, residualImag;
};

struct KkResult {
    enum class Status { Checked, TooFew, TooMany, Cancelled };
    Status status = Status::TooFew;
    std::size_t points = 0;  // the sweep's points, usable or not
    std::size_t leftOut = 0; // without a positive frequency, or a finite nonzero impedance
    int m = 0;               // the RC elements of the fit
    double mu = 0;
    double chi2 = 0;                          // sum of both residuals squared, as fractions
    double noisePercent = 0;                  // sqrt(5000 chi2 / N)
    double largestPercent = 0, largestAt = 0; // the largest |residual| and its frequency
    // The lowest and highest frequency of a residual beyond the limit; NaN when none is.
    double overFrom = 0, overTo = 0;
    bool valid = false;
    std::vector<KkPointFit> fits; // one per point of the sweep, in its order
};

// Checks `sweep`, the points of one sweep in any order. Between two values of M `stop` is
// looked at, and once it is set the check ends as Cancelled, so a newer sweep need not wait.
KkResult CheckKramersKronig(std::span<const Point> sweep, const KkOptions& options,
                            const std::atomic<bool>* stop = nullptr);
