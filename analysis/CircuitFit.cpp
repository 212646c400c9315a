#include "CircuitFit.h"

#include "CircuitGuess.h"
#include "FitProblem.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace {

// Starts spread around the spectrum's own guess; each runs a short local fit, and the best
// is carried on to convergence. Once enough starts found the same best, more are unlikely to
// find a better one.
constexpr int kStarts = 40;
constexpr int kFewestStarts = 12;
constexpr int kAgreeing = 5;
constexpr int kStartIterations = 40;
constexpr int kMostIterations = 500;

struct Sorted {
    std::vector<double> omega, real, imag;
};

Sorted usable(std::span<const Point> sweep, const FitOptions& options) {
    std::vector<const Point*> kept;
    for (const Point& p : sweep)
        if (p.f > 0 && std::isfinite(p.f) && std::isfinite(p.zReal) &&
            std::isfinite(p.minusZImag) && p.f >= options.fMin && p.f <= options.fMax)
            kept.push_back(&p);
    std::stable_sort(kept.begin(), kept.end(),
                     [](const Point* a, const Point* b) { return a->f > b->f; });
    Sorted s;
    for (const Point* p : kept) {
        s.omega.push_back(2 * std::numbers::pi * p->f);
        s.real.push_back(p->zReal);
        s.imag.push_back(-p->minusZImag);
    }
    return s;
}

// Weights of the real and imaginary parts. A part of zero, which proportional weighting
// cannot divide by, is weighted by the modulus instead.
std::pair<std::vector<double>, std::vector<double>> weights(const Sorted& s, FitWeight weight) {
    const std::size_t n = s.omega.size();
    std::vector<double> re(n, 1.0), im(n, 1.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double squared = s.real[i] * s.real[i] + s.imag[i] * s.imag[i];
        const double modulus = squared > 0 ? 1 / squared : 1.0;
        if (weight == FitWeight::Modulus)
            re[i] = im[i] = modulus;
        if (weight == FitWeight::Proportional) {
            re[i] = s.real[i] != 0 ? 1 / (s.real[i] * s.real[i]) : modulus;
            im[i] = s.imag[i] != 0 ? 1 / (s.imag[i] * s.imag[i]) : modulus;
        }
    }
    return {std::move(re), std::move(im)};
}

LocalFit bestOfStarts(const FitProblem& problem, const Eigen::VectorXd& guess,
                      const std::atomic<bool>* stop) {
    LocalFit best = FitLocally(problem, guess, kStartIterations, stop);
    std::mt19937 random(1); // the same starts every time, so a fit can be repeated
    std::normal_distribution<double> normal;
    int agreeing = 1;
    for (int start = 1; start < kStarts && !best.cancelled; ++start) {
        if (start >= kFewestStarts && agreeing >= kAgreeing)
            break;
        // From a decade's tenths out to two decades as the starts go on.
        const double spread = std::log(10.0) * (0.3 + 1.7 * start / kStarts);
        Eigen::VectorXd u = guess;
        for (int i = 0; i < u.size(); ++i)
            u[i] += problem.circuit().parameters()[std::size_t(i)].exponent
                        ? 0.3 * normal(random)
                        : spread * normal(random);
        LocalFit fit = FitLocally(problem, u, kStartIterations, stop);
        // A tie goes to the earlier start, the nearer the spectrum's own reading.
        if (std::abs(fit.chi2 - best.chi2) <= 1e-6 * best.chi2)
            ++agreeing;
        if (fit.cancelled || (std::isfinite(fit.chi2) && fit.chi2 < best.chi2 * (1 - 1e-6))) {
            agreeing = 1;
            best = std::move(fit);
        }
    }
    return best;
}

} // namespace

FitResult FitCircuit(const Circuit& circuit, std::span<const Point> sweep,
                     const FitOptions& options, const std::atomic<bool>* stop) {
    FitResult result;
    const Sorted s = usable(sweep, options);
    result.points = s.omega.size();
    const std::size_t p = circuit.parameters().size();
    if (p == 0 || result.points < kFitPointsPerParameter * p)
        return result;
    if (result.points > kFitMostPoints) {
        result.status = FitResult::Status::TooMany;
        return result;
    }
    auto [re, im] = weights(s, options.weight);
    const FitProblem problem(circuit, s.omega, s.real, s.imag, std::move(re), std::move(im));
    const bool guessed = options.guess.size() == p;
    const Eigen::VectorXd start = problem.internal(
        guessed ? options.guess : GuessParameters(circuit, s.omega, s.real, s.imag));
    LocalFit fit = guessed ? LocalFit{start} : bestOfStarts(problem, start, stop);
    if (!fit.cancelled) {
        const int before = guessed ? 0 : fit.iterations;
        fit = FitLocally(problem, fit.u, kMostIterations, stop);
        fit.iterations += before;
    }
    if (fit.cancelled) {
        result.status = FitResult::Status::Cancelled;
        return result;
    }
    result.status = FitResult::Status::Fitted;
    result.values = problem.values(fit.u);
    result.chi2 = fit.chi2;
    result.iterations = fit.iterations;
    result.converged = fit.converged;
    // Standard errors from s^2 (J^T J)^-1 over the parameters themselves, s^2 = chi2/(2N - P).
    Eigen::MatrixXd jacobian;
    problem.residuals(fit.u, &jacobian, true);
    const double dof = double(problem.residualCount()) - double(p);
    // Columns scaled to unit length first: farads and ohms differ by many decades, and the
    // rank is judged on the scaled matrix.
    const Eigen::VectorXd norms = jacobian.colwise().norm().transpose();
    result.errors.assign(p, std::numeric_limits<double>::quiet_NaN());
    if (dof <= 0 || !(norms.array() > 0).all() || !norms.allFinite())
        return result;
    const Eigen::MatrixXd scaled = jacobian * norms.cwiseInverse().asDiagonal();
    const Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(scaled.transpose() * scaled);
    if (!qr.isInvertible())
        return result;
    const Eigen::MatrixXd covariance = qr.inverse() * (fit.chi2 / dof);
    for (std::size_t i = 0; i < p; ++i) {
        const auto k = Eigen::Index(i);
        result.errors[i] = std::sqrt(std::max(0.0, covariance(k, k))) / norms[k];
    }
    return result;
}
