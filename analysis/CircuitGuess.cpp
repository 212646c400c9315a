#include "CircuitGuess.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kExponent = 0.9;

// What the spectrum shows, from its highest frequency to its lowest.
struct Spectrum {
    double omegaHigh, omegaLow;
    double r0;         // Z' at the highest frequency
    double span;       // how far Z' reaches beyond it
    double lowSlope;   // -Z'' sqrt(omega) at the lowest frequency: a Warburg's size
    double inductance; // Z''/omega at the highest frequency, when inductive
    std::vector<std::pair<double, double>> apexes; // (omega, -Z'') of each local apex
};

Spectrum read(std::span<const double> omega, std::span<const double> real,
              std::span<const double> imag) {
    const std::size_t n = omega.size();
    Spectrum s{omega.front(), omega.back(), real.front(), 0, 0, 0, {}};
    const double highest = *std::max_element(real.begin(), real.end());
    double scale = 0;
    for (std::size_t i = 0; i < n; ++i)
        scale = std::max(scale, std::abs(std::complex<double>(real[i], imag[i])));
    const double tiny = 1e-6 * (scale > 0 ? scale : 1);
    if (!(s.r0 > tiny))
        s.r0 = tiny;
    s.span = std::max(highest - s.r0, 1e-3 * scale + tiny);
    s.lowSlope = std::max(-imag.back(), 1e-3 * s.span) * std::sqrt(s.omegaLow);
    s.inductance = std::max(imag.front(), 1e-4 * s.span) / s.omegaHigh;
    for (std::size_t i = 1; i + 1 < n; ++i)
        if (-imag[i] > 0 && -imag[i] >= -imag[i - 1] && -imag[i] > -imag[i + 1])
            s.apexes.emplace_back(omega[i], -imag[i]);
    return s;
}

// The arc a parallel element belongs to: its frequency and width.
struct Arc {
    double omega, width;
};

struct Guesser {
    const Circuit& circuit;
    const Spectrum& s;
    std::vector<double> values;

    void element(const Circuit::Node& node, const Arc* arc, bool firstR) {
        double* p = values.data() + node.firstParameter;
        const double width = arc ? arc->width : s.span;
        const double omega = arc ? arc->omega : s.omegaLow;
        switch (node.kind) {
        case ElementKind::R:
            p[0] = arc ? arc->width : firstR ? s.r0 : 0.1 * s.span;
            break;
        case ElementKind::C:
            p[0] = 1 / (omega * width);
            break;
        case ElementKind::Cpe:
            p[0] = 1 / (std::pow(omega, kExponent) * width);
            p[1] = kExponent;
            break;
        case ElementKind::L:
            p[0] = s.inductance;
            break;
        case ElementKind::La:
            p[0] = s.inductance * std::pow(s.omegaHigh, 1 - kExponent);
            p[1] = kExponent;
            break;
        case ElementKind::W:
            p[0] = s.lowSlope;
            break;
        case ElementKind::Wo:
        case ElementKind::Ws:
            p[0] = width;
            p[1] = 1 / s.omegaLow;
            break;
        case ElementKind::G:
            p[0] = width;
            p[1] = 1 / omega;
            break;
        }
    }

    void under(int index, const Arc* arc, bool& firstR) {
        const Circuit::Node& node = circuit.nodes()[std::size_t(index)];
        if (node.type == Circuit::Node::Type::Element) {
            element(node, arc, firstR && !arc && node.kind == ElementKind::R);
            if (!arc && node.kind == ElementKind::R)
                firstR = false;
            return;
        }
        for (int child : node.children)
            under(child, arc, firstR);
    }
};

} // namespace

std::vector<double> GuessParameters(const Circuit& circuit, std::span<const double> omega,
                                    std::span<const double> real, std::span<const double> imag) {
    const Spectrum s = read(omega, real, imag);
    Guesser g{circuit, s, std::vector<double>(circuit.parameters().size(), 1.0)};
    // The arcs are the parallels on the main chain, written from high frequency to low.
    const Circuit::Node& root = circuit.nodes().back();
    std::vector<int> chain = root.type == Circuit::Node::Type::Series
                                 ? root.children
                                 : std::vector<int>{int(circuit.nodes().size()) - 1};
    std::vector<int> arcs;
    for (int index : chain)
        if (circuit.nodes()[std::size_t(index)].type == Circuit::Node::Type::Parallel)
            arcs.push_back(index);
    // The highest apexes, as many as there are arcs, in falling frequency; when the spectrum
    // shows fewer, the arcs are spread evenly over its decades.
    std::vector<std::pair<double, double>> apexes = s.apexes;
    std::sort(apexes.begin(), apexes.end(),
              [](const auto& a, const auto& b) { return a.second > b.second; });
    const bool seen = apexes.size() >= arcs.size();
    if (seen) {
        apexes.resize(arcs.size());
        std::sort(apexes.begin(), apexes.end(), std::greater<>());
    }
    std::vector<Arc> arcOf(arcs.size());
    for (std::size_t k = 0; k < arcs.size(); ++k) {
        const double at = double(k + 1) / double(arcs.size() + 1);
        arcOf[k] = seen ? Arc{apexes[k].first, 2 * apexes[k].second}
                        : Arc{s.omegaHigh * std::pow(s.omegaLow / s.omegaHigh, at),
                              s.span / double(arcs.size())};
    }
    bool firstR = true;
    for (int index : chain) {
        const auto arc = std::find(arcs.begin(), arcs.end(), index);
        g.under(index, arc == arcs.end() ? nullptr : &arcOf[std::size_t(arc - arcs.begin())],
                firstR);
    }
    return g.values;
}
