#pragma once

// The decimal logarithm with a 64-bit significand, not rounded to double. The axis
// exponents and nice limits truncate it, and rounding it first would move the results at
// exact powers of ten (0.1 and 0.001 among them).
long double ExtendedLog10(double a);

// (double)(L * c) formed in extended precision, then rounded once to double.
double RoundedExtendedProduct(long double L, double c);
