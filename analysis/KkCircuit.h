#pragma once

#include "KkOptions.h"

#include <complex>
#include <span>
#include <vector>

// The circuit the linear Kramers-Kronig check fits (Boukamp 1995; Schoenleber et al. 2014):
// Z(w) = R0 + jwL + sum Rk / (1 + jw tau_k) - j / (wC), the time constants fixed beforehand,
// so the fit is a linear least-squares problem.
struct KkCircuit {
    double r0 = 0;
    double inductance = 0;
    double inverseCapacitance = 0; // 0 without the series capacitance
    std::vector<double> r;         // R1..RM
    std::vector<double> tau;       // their time constants, s

    std::complex<double> impedance(double omega) const;
};

// One measured point as the fit takes it: angular frequency and Z = Z' + jZ''.
struct KkSample {
    double omega;
    std::complex<double> z;
};

// M time constants spaced evenly in log from 1/w_max to 1/w_min over `omega`; 1/w_max alone
// for M = 1.
std::vector<double> KkTimeConstants(std::span<const double> omega, int m);

// The least-squares fit with these time constants, each point's equations divided by its |Z|.
// Solved by a column-pivoting QR decomposition: the basis grows ill-conditioned with M, which
// the normal equations would square.
KkCircuit FitKkCircuit(std::span<const KkSample> samples, std::vector<double> tau, KkFit fit,
                       bool capacitance);

// 1 - (sum of |Rk| < 0) / (sum of Rk >= 0): near 1 while the fit describes the data, falling
// as M grows beyond what they hold and the Rk start to alternate.
double KkMu(std::span<const double> r);
