#include "KramersKronig.h"

#include "KkCircuit.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool usable(const Point& p) {
    const double magnitude = std::hypot(p.zReal, p.minusZImag);
    return p.f > 0 && std::isfinite(p.f) && magnitude > 0 && std::isfinite(magnitude);
}

bool stopped(const std::atomic<bool>* stop) {
    return stop != nullptr && stop->load(std::memory_order_relaxed);
}

int mostElements(std::size_t points) {
    return static_cast<int>(std::min<std::size_t>(2 * points / 3, kKkMostElements));
}

// The fit with M chosen by mu, or fixed; nothing when stopped.
std::optional<KkCircuit> chooseFit(std::span<const KkSample> samples, std::span<const double> omega,
                                   const KkOptions& options, const std::atomic<bool>* stop) {
    const int most = mostElements(samples.size());
    const int first = options.fixedM > 0 ? std::min(options.fixedM, most) : 1;
    const int last = options.fixedM > 0 ? first : most;
    std::optional<KkCircuit> circuit;
    for (int m = first; m <= last; ++m) {
        if (stopped(stop))
            return std::nullopt;
        circuit =
            FitKkCircuit(samples, KkTimeConstants(omega, m), options.fit, options.capacitance);
        if (KkMu(circuit->r) <= options.muLimit)
            break;
    }
    return circuit;
}

void judge(std::span<const Point> sweep, const KkCircuit& circuit, double limit, KkResult& result) {
    result.overFrom = result.overTo = kNaN;
    result.largestPercent = -1;
    result.valid = true;
    for (std::size_t i = 0; i < sweep.size(); ++i) {
        const Point& p = sweep[i];
        if (!usable(p)) {
            result.fits[i] = {kNaN, kNaN, kNaN, kNaN};
            continue;
        }
        const std::complex<double> fit = circuit.impedance(2 * std::numbers::pi * p.f);
        const double magnitude = std::hypot(p.zReal, p.minusZImag);
        const double real = (p.zReal - fit.real()) / magnitude;
        const double imag = (-p.minusZImag - fit.imag()) / magnitude;
        result.fits[i] = {fit.real(), -fit.imag(), 100 * real, 100 * imag};
        result.chi2 += real * real + imag * imag;
        const double largest = 100 * std::max(std::abs(real), std::abs(imag));
        if (largest > result.largestPercent) {
            result.largestPercent = largest;
            result.largestAt = p.f;
        }
        if (!(largest <= limit)) {
            result.valid = false;
            result.overFrom = std::isnan(result.overFrom) ? p.f : std::min(result.overFrom, p.f);
            result.overTo = std::isnan(result.overTo) ? p.f : std::max(result.overTo, p.f);
        }
    }
}

} // namespace

KkResult CheckKramersKronig(std::span<const Point> sweep, const KkOptions& options,
                            const std::atomic<bool>* stop) {
    KkResult result;
    result.points = sweep.size();
    std::vector<KkSample> samples;
    std::vector<double> omega;
    for (const Point& p : sweep) {
        if (!usable(p))
            continue;
        omega.push_back(2 * std::numbers::pi * p.f);
        samples.push_back({omega.back(), {p.zReal, -p.minusZImag}});
    }
    result.leftOut = sweep.size() - samples.size();
    if (samples.size() < kKkFewestPoints)
        return result;
    if (samples.size() > kKkMostPoints) {
        result.status = KkResult::Status::TooMany;
        return result;
    }
    const std::optional<KkCircuit> circuit = chooseFit(samples, omega, options, stop);
    if (!circuit) {
        result.status = KkResult::Status::Cancelled;
        return result;
    }
    result.status = KkResult::Status::Checked;
    result.m = static_cast<int>(circuit->r.size());
    result.mu = KkMu(circuit->r);
    result.fits.resize(sweep.size());
    judge(sweep, *circuit, options.limitPercent, result);
    if (result.largestPercent < 0) // no residual is a number
        result.largestPercent = result.largestAt = kNaN;
    result.noisePercent = std::sqrt(5000 * result.chi2 / static_cast<double>(samples.size()));
    return result;
}
