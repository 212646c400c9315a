#include "FitProblem.h"

#include <algorithm>
#include <cmath>

namespace {

// Relative change of chi2 and of the step below which a fit has converged.
constexpr double kChi2Tolerance = 1e-12;
constexpr double kStepTolerance = 1e-10;
// Damping beyond this means no step lowers chi2 any more: the fit is at its minimum.
constexpr double kMostDamping = 1e16;

} // namespace

FitProblem::FitProblem(const Circuit& circuit, std::vector<double> omega, std::vector<double> real,
                       std::vector<double> imag, std::vector<double> weightReal,
                       std::vector<double> weightImag)
    : circuit_(circuit), omega_(std::move(omega)), real_(std::move(real)), imag_(std::move(imag)),
      sqrtWeightReal_(std::move(weightReal)), sqrtWeightImag_(std::move(weightImag)) {
    for (double& w : sqrtWeightReal_)
        w = std::sqrt(w);
    for (double& w : sqrtWeightImag_)
        w = std::sqrt(w);
}

Eigen::VectorXd FitProblem::internal(const std::vector<double>& values) const {
    Eigen::VectorXd u(parameterCount());
    for (int i = 0; i < parameterCount(); ++i) {
        const double v = values[std::size_t(i)];
        u[i] = circuit_.parameters()[std::size_t(i)].exponent
                   ? std::asin(std::sqrt(std::clamp(v, 1e-6, 1.0)))
                   : std::log(v);
    }
    return u;
}

std::vector<double> FitProblem::values(const Eigen::VectorXd& u) const {
    std::vector<double> v(static_cast<std::size_t>(parameterCount()));
    for (int i = 0; i < parameterCount(); ++i) {
        const double s = std::sin(u[i]);
        v[std::size_t(i)] = circuit_.parameters()[std::size_t(i)].exponent ? s * s : std::exp(u[i]);
    }
    return v;
}

Eigen::VectorXd FitProblem::residuals(const Eigen::VectorXd& u, Eigen::MatrixXd* jacobian,
                                      bool overValues) const {
    const std::vector<double> v = values(u);
    const int p = parameterCount();
    // dp/du of each parameter, for the chain rule.
    std::vector<double> chain(std::size_t(p), 1.0);
    if (!overValues)
        for (int i = 0; i < p; ++i)
            chain[std::size_t(i)] = circuit_.parameters()[std::size_t(i)].exponent
                                        ? std::sin(2 * u[i])
                                        : v[std::size_t(i)];
    Eigen::VectorXd r(residualCount());
    if (jacobian)
        jacobian->resize(residualCount(), p);
    std::vector<std::complex<double>> d(jacobian ? std::size_t(p) : 0);
    for (std::size_t k = 0; k < omega_.size(); ++k) {
        const std::complex<double> z = circuit_.impedance(omega_[k], v, d);
        const int row = int(2 * k);
        // Fit minus measured, so the Jacobian is dZ/du as it is.
        r[row] = sqrtWeightReal_[k] * (z.real() - real_[k]);
        r[row + 1] = sqrtWeightImag_[k] * (z.imag() - imag_[k]);
        if (jacobian)
            for (int i = 0; i < p; ++i) {
                const std::complex<double> dz = d[std::size_t(i)] * chain[std::size_t(i)];
                (*jacobian)(row, i) = sqrtWeightReal_[k] * dz.real();
                (*jacobian)(row + 1, i) = sqrtWeightImag_[k] * dz.imag();
            }
    }
    return r;
}

LocalFit FitLocally(const FitProblem& problem, Eigen::VectorXd start, int maxIterations,
                    const std::atomic<bool>* stop) {
    LocalFit fit{std::move(start)};
    const int p = problem.parameterCount();
    const int m = problem.residualCount();
    Eigen::MatrixXd jacobian;
    Eigen::VectorXd r = problem.residuals(fit.u, &jacobian);
    fit.chi2 = r.squaredNorm();
    if (!std::isfinite(fit.chi2))
        return fit;
    double damping = 1e-3;
    Eigen::MatrixXd stacked(m + p, p);
    Eigen::VectorXd rhs(m + p);
    while (fit.iterations < maxIterations) {
        if (stop && stop->load(std::memory_order_relaxed)) {
            fit.cancelled = true;
            return fit;
        }
        ++fit.iterations;
        // Marquardt's scaling: each parameter damped by its own curvature.
        const Eigen::VectorXd scale =
            jacobian.colwise().norm().transpose().cwiseMax(1e-12 * (1 + jacobian.norm()));
        bool stepped = false;
        while (!stepped) {
            stacked.topRows(m) = jacobian;
            stacked.bottomRows(p) = (std::sqrt(damping) * scale).asDiagonal();
            rhs.head(m) = -r;
            rhs.tail(p).setZero();
            const Eigen::VectorXd step = stacked.householderQr().solve(rhs);
            const Eigen::VectorXd trial = fit.u + step;
            const double trialChi2 = problem.residuals(trial).squaredNorm();
            if (std::isfinite(trialChi2) && trialChi2 < fit.chi2) {
                const bool small = fit.chi2 - trialChi2 <= kChi2Tolerance * fit.chi2 ||
                                   step.cwiseAbs().maxCoeff() <= kStepTolerance;
                fit.u = trial;
                fit.chi2 = trialChi2;
                r = problem.residuals(trial, &jacobian);
                damping = std::max(damping / 3, 1e-12);
                stepped = true;
                if (small || fit.chi2 == 0) {
                    fit.converged = true;
                    return fit;
                }
            } else {
                damping *= 4;
                if (damping > kMostDamping) {
                    fit.converged = true;
                    return fit;
                }
            }
        }
    }
    return fit;
}
