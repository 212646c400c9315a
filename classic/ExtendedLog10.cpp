#include "ExtendedLog10.h"

#include <cmath>

long double ExtendedLog10(double a) {
#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
    // FYL2X computes ST(1) * log2(ST(0)); with ST(1) = log10(2) (FLDLG2) that is log10(a).
    long double result;
    const long double x = a;
    __asm__("fldlg2\n\t"
            "fxch\n\t"
            "fyl2x"
            : "=t"(result)
            : "0"(x)
            : "st(1)");
    return result;
#else
    return std::log10(static_cast<long double>(a));
#endif
}

double RoundedExtendedProduct(long double L, double c) {
    const volatile long double product = L * static_cast<long double>(c);
    return static_cast<double>(product);
}
