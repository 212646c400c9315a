#include "KkCircuit.h"

#include <Eigen/QR>

#include <algorithm>
#include <cmath>

namespace {

using Eigen::MatrixXd;
using Eigen::VectorXd;

// Re and Im of 1 / (1 + j w tau).
double relaxReal(double omega, double tau) {
    const double x = omega * tau;
    return 1.0 / (1.0 + x * x);
}
double relaxImag(double omega, double tau) {
    const double x = omega * tau;
    return -x / (1.0 + x * x);
}

double weight(const KkSample& s) {
    return 1.0 / std::abs(s.z);
}

// Least squares with every column scaled to unit length first: the columns of L and 1/C run
// over many decades of w, and the pivoting should judge them by their shape, not their size.
VectorXd leastSquares(MatrixXd a, const VectorXd& b) {
    VectorXd scale = VectorXd::Ones(a.cols());
    for (Eigen::Index c = 0; c < a.cols(); ++c) {
        const double norm = a.col(c).norm();
        if (norm > 0 && std::isfinite(norm)) {
            scale(c) = 1.0 / norm;
            a.col(c) *= scale(c);
        }
    }
    const VectorXd x = a.colPivHouseholderQr().solve(b);
    return x.cwiseProduct(scale);
}

// The imaginary rows of the terms after the Rk: wL and -1/(wC).
void fillSeriesTerms(MatrixXd& a, Eigen::Index row, Eigen::Index col, const KkSample& s,
                     bool capacitance) {
    a(row, col) = weight(s) * s.omega;
    if (capacitance)
        a(row, col + 1) = -weight(s) / s.omega;
}

void takeSeriesTerms(KkCircuit& circuit, const VectorXd& x, Eigen::Index col, bool capacitance) {
    circuit.inductance = x(col);
    if (capacitance)
        circuit.inverseCapacitance = x(col + 1);
}

void fitComplex(std::span<const KkSample> samples, KkCircuit& c, bool capacitance) {
    const auto n = static_cast<Eigen::Index>(samples.size());
    const auto m = static_cast<Eigen::Index>(c.tau.size());
    MatrixXd a = MatrixXd::Zero(2 * n, m + 2 + (capacitance ? 1 : 0));
    VectorXd b(2 * n);
    for (Eigen::Index i = 0; i < n; ++i) {
        const KkSample& s = samples[static_cast<std::size_t>(i)];
        const double w = weight(s);
        a(2 * i, 0) = w;
        for (Eigen::Index k = 0; k < m; ++k) {
            a(2 * i, 1 + k) = w * relaxReal(s.omega, c.tau[static_cast<std::size_t>(k)]);
            a(2 * i + 1, 1 + k) = w * relaxImag(s.omega, c.tau[static_cast<std::size_t>(k)]);
        }
        fillSeriesTerms(a, 2 * i + 1, m + 1, s, capacitance);
        b(2 * i) = w * s.z.real();
        b(2 * i + 1) = w * s.z.imag();
    }
    const VectorXd x = leastSquares(std::move(a), b);
    c.r0 = x(0);
    c.r.assign(x.data() + 1, x.data() + 1 + m);
    takeSeriesTerms(c, x, m + 1, capacitance);
}

double rcSum(const KkCircuit& c, double omega, bool imag) {
    double sum = 0;
    for (std::size_t k = 0; k < c.r.size(); ++k)
        sum += c.r[k] * (imag ? relaxImag(omega, c.tau[k]) : relaxReal(omega, c.tau[k]));
    return sum;
}

void fitReal(std::span<const KkSample> samples, KkCircuit& c, bool capacitance) {
    const auto n = static_cast<Eigen::Index>(samples.size());
    const auto m = static_cast<Eigen::Index>(c.tau.size());
    MatrixXd a(n, m + 1);
    VectorXd b(n);
    for (Eigen::Index i = 0; i < n; ++i) {
        const KkSample& s = samples[static_cast<std::size_t>(i)];
        const double w = weight(s);
        a(i, 0) = w;
        for (Eigen::Index k = 0; k < m; ++k)
            a(i, 1 + k) = w * relaxReal(s.omega, c.tau[static_cast<std::size_t>(k)]);
        b(i) = w * s.z.real();
    }
    const VectorXd x = leastSquares(std::move(a), b);
    c.r0 = x(0);
    c.r.assign(x.data() + 1, x.data() + 1 + m);

    MatrixXd series(n, capacitance ? 2 : 1);
    VectorXd left(n);
    for (Eigen::Index i = 0; i < n; ++i) {
        const KkSample& s = samples[static_cast<std::size_t>(i)];
        fillSeriesTerms(series, i, 0, s, capacitance);
        left(i) = weight(s) * (s.z.imag() - rcSum(c, s.omega, true));
    }
    takeSeriesTerms(c, leastSquares(std::move(series), left), 0, capacitance);
}

void fitImag(std::span<const KkSample> samples, KkCircuit& c, bool capacitance) {
    const auto n = static_cast<Eigen::Index>(samples.size());
    const auto m = static_cast<Eigen::Index>(c.tau.size());
    MatrixXd a(n, m + 1 + (capacitance ? 1 : 0));
    VectorXd b(n);
    for (Eigen::Index i = 0; i < n; ++i) {
        const KkSample& s = samples[static_cast<std::size_t>(i)];
        const double w = weight(s);
        for (Eigen::Index k = 0; k < m; ++k)
            a(i, k) = w * relaxImag(s.omega, c.tau[static_cast<std::size_t>(k)]);
        fillSeriesTerms(a, i, m, s, capacitance);
        b(i) = w * s.z.imag();
    }
    const VectorXd x = leastSquares(std::move(a), b);
    c.r.assign(x.data(), x.data() + m);
    takeSeriesTerms(c, x, m, capacitance);

    // R0 is the |Z|^-2-weighted mean of what the Rk leave of the real parts.
    double sum = 0, weights = 0;
    for (const KkSample& s : samples) {
        const double w2 = weight(s) * weight(s);
        sum += w2 * (s.z.real() - rcSum(c, s.omega, false));
        weights += w2;
    }
    c.r0 = sum / weights;
}

} // namespace

std::complex<double> KkCircuit::impedance(double omega) const {
    std::complex<double> z(r0, omega * inductance - inverseCapacitance / omega);
    for (std::size_t k = 0; k < r.size(); ++k)
        z += r[k] / std::complex<double>(1.0, omega * tau[k]);
    return z;
}

std::vector<double> KkTimeConstants(std::span<const double> omega, int m) {
    if (omega.empty() || m < 1)
        return {};
    const auto [low, high] = std::minmax_element(omega.begin(), omega.end());
    const double first = 1.0 / *high, last = 1.0 / *low;
    std::vector<double> tau(static_cast<std::size_t>(m), first);
    for (int k = 1; k < m; ++k)
        tau[static_cast<std::size_t>(k)] = first * std::pow(last / first, double(k) / (m - 1));
    return tau;
}

KkCircuit FitKkCircuit(std::span<const KkSample> samples, std::vector<double> tau, KkFit fit,
                       bool capacitance) {
    KkCircuit circuit;
    circuit.tau = std::move(tau);
    switch (fit) {
    case KkFit::Complex:
        fitComplex(samples, circuit, capacitance);
        break;
    case KkFit::Real:
        fitReal(samples, circuit, capacitance);
        break;
    case KkFit::Imag:
        fitImag(samples, circuit, capacitance);
        break;
    }
    return circuit;
}

double KkMu(std::span<const double> r) {
    double negative = 0, positive = 0;
    for (const double rk : r)
        (rk < 0 ? negative : positive) += std::abs(rk);
    if (negative == 0)
        return 1.0;
    return 1.0 - negative / positive; // -inf when every Rk is negative
}
