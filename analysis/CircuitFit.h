#pragma once

#include "Circuit.h"
#include "model/Series.h"

#include <atomic>
#include <cstddef>
#include <span>
#include <vector>

// Fitting an equivalent circuit to one sweep by weighted nonlinear least squares:
// chi2 = sum of w [(Z' - Zfit')^2 + (Z'' - Zfit'')^2] over the sweep's points.

enum class FitWeight {
    Unit,         // w = 1
    Modulus,      // w = 1 / |Z|^2
    Proportional, // 1 / Z'^2 on the real part, 1 / Z''^2 on the imaginary part
};

struct FitOptions {
    FitWeight weight = FitWeight::Unit;
    // Values in parameter order to start one local fit from, as a hand-made guess or the
    // previous result of a sweep that grew; empty to find the start from the spectrum.
    std::vector<double> guess;
    // Only points within [fMin, fMax] Hz are fitted.
    double fMin = 0;
    double fMax = std::numeric_limits<double>::infinity();
};

struct FitResult {
    enum class Status { Fitted, TooFew, TooMany, Cancelled };
    Status status = Status::TooFew;
    std::size_t points = 0; // the points fitted: finite, with a positive frequency, in range
    std::vector<double> values, errors; // in parameter order; errors are standard errors
    double chi2 = 0;
    int iterations = 0; // of the local fit that gave the values
    bool converged = false;
};

// A sweep of fewer points than this many times the parameters is not fitted.
inline constexpr std::size_t kFitPointsPerParameter = 2;
// Nor is a longer sweep than this: each of the many starts costs its points.
inline constexpr std::size_t kFitMostPoints = 5000;

// Fits `circuit` to `sweep`, points in any order. Without a guess, many local fits are started
// around what the spectrum shows and the best is kept. `stop` is looked at between iterations;
// once it is set the fit ends as Cancelled.
FitResult FitCircuit(const Circuit& circuit, std::span<const Point> sweep,
                     const FitOptions& options, const std::atomic<bool>* stop = nullptr);
