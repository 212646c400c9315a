#pragma once

// How the linear Kramers-Kronig check fits a sweep and judges it.
enum class KkFit {
    Complex, // real and imaginary parts together
    Real,    // R0 and the Rk to the real parts, L (and 1/C) to what they leave of the imaginary
    Imag,    // the Rk, L (and 1/C) to the imaginary parts, R0 to what they leave of the real
};

struct KkOptions {
    KkFit fit = KkFit::Complex;
    // M rises until mu is at most this; in (0, 1]. Ignored when `fixedM` is set.
    double muLimit = 0.85;
    int fixedM = 0;            // the number of RC elements, or 0 to choose it by mu
    double limitPercent = 1.0; // a residual beyond this makes the sweep invalid
    bool capacitance = false;  // a series capacitance, for blocking electrodes
};
