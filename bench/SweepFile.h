#pragma once

#include <cmath>
#include <cstdio>
#include <string>

// Lines [from, from + count) of a sweep of `total` lines in the plain format, about 40 bytes
// each, written to the file at `path`: appended to it, or in its place when `from` is 0.
inline void WriteSweepLines(const std::string& path, long from, long count, long total) {
    std::FILE* out = std::fopen(path.c_str(), from == 0 ? "wb" : "ab");
    if (out == nullptr)
        return;
    for (long i = from; i < from + count; ++i) {
        const double f = 1e5 * std::pow(10.0, -7.0 * static_cast<double>(i) / total);
        const double re = 12.5 + 50.0 / (1.0 + f * f * 1e-6) + 0.3 * i / total;
        const double im = -50.0 * f * 1e-3 / (1.0 + f * f * 1e-6);
        std::fprintf(out, "%.6e\t%.6e\t%.6e\n", f, re, im);
    }
    std::fclose(out);
}
