#pragma once

#include "Circuit.h"

#include <Eigen/Dense>

#include <atomic>
#include <vector>

// The weighted residuals of a circuit against a sweep's points, over internal coordinates in
// which every parameter is free: the logarithm of a positive value, and for an exponent u with
// alpha = sin^2 u, which keeps it in [0, 1] and reaches 1.
class FitProblem {
  public:
    FitProblem(const Circuit& circuit, std::vector<double> omega, std::vector<double> real,
               std::vector<double> imag, std::vector<double> weightReal,
               std::vector<double> weightImag);

    const Circuit& circuit() const { return circuit_; }
    int residualCount() const { return int(2 * omega_.size()); }
    int parameterCount() const { return int(circuit_.parameters().size()); }

    Eigen::VectorXd internal(const std::vector<double>& values) const;
    std::vector<double> values(const Eigen::VectorXd& internal) const;

    // The residuals at `u`, and their Jacobian over u when `jacobian` is not null, or over the
    // parameters themselves when `overValues` is set.
    Eigen::VectorXd residuals(const Eigen::VectorXd& u, Eigen::MatrixXd* jacobian = nullptr,
                              bool overValues = false) const;

  private:
    const Circuit& circuit_;
    std::vector<double> omega_, real_, imag_, sqrtWeightReal_, sqrtWeightImag_;
};

struct LocalFit {
    Eigen::VectorXd u;
    double chi2 = 0;
    int iterations = 0;
    bool converged = false;
    bool cancelled = false;
};

// Levenberg-Marquardt from `start`, each step solved by QR of the Jacobian stacked on the
// damping, at most `maxIterations` Jacobians.
LocalFit FitLocally(const FitProblem& problem, Eigen::VectorXd start, int maxIterations,
                    const std::atomic<bool>* stop);
