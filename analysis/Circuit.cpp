#include "Circuit.h"

#include <cctype>
#include <cmath>
#include <numbers>

namespace {

using Complex = std::complex<double>;
constexpr Complex kJ(0, 1);

struct KindInfo {
    std::string_view prefix;
    ElementKind kind;
    // Parameter suffixes and units; one unnamed parameter takes the element's own name.
    std::vector<std::pair<std::string_view, std::string_view>> parameters;
};

// Longer prefixes first, so `CPE1` is not read as `C` followed by junk.
const std::vector<KindInfo>& kinds() {
    static const std::vector<KindInfo> table = {
        {"CPE", ElementKind::Cpe, {{"_Q", "F s^(alpha-1)"}, {"_alpha", ""}}},
        {"Wo", ElementKind::Wo, {{"_R", "Ohm"}, {"_tau", "s"}}},
        {"Ws", ElementKind::Ws, {{"_R", "Ohm"}, {"_tau", "s"}}},
        {"La", ElementKind::La, {{"_L", "H s^(alpha-1)"}, {"_alpha", ""}}},
        {"R", ElementKind::R, {{"", "Ohm"}}},
        {"C", ElementKind::C, {{"", "F"}}},
        {"L", ElementKind::L, {{"", "H"}}},
        {"W", ElementKind::W, {{"", "Ohm s^-1/2"}}},
        {"G", ElementKind::G, {{"_R", "Ohm"}, {"_tau", "s"}}},
    };
    return table;
}

// Z of one element and dZ/dp of its parameters `p`.
Complex element(ElementKind kind, double omega, const double* p, Complex* d) {
    switch (kind) {
    case ElementKind::R:
        d[0] = 1;
        return p[0];
    case ElementKind::C: {
        const Complex z = 1.0 / (kJ * omega * p[0]);
        d[0] = -z / p[0];
        return z;
    }
    case ElementKind::L:
        d[0] = kJ * omega;
        return kJ * omega * p[0];
    case ElementKind::W: {
        const Complex unit = Complex(1, -1) / std::sqrt(omega);
        d[0] = unit;
        return p[0] * unit;
    }
    case ElementKind::Wo:
    case ElementKind::Ws: {
        const Complex s = std::sqrt(kJ * omega * p[1]);
        const Complex t = std::tanh(s);
        // dZ/dtau = (s / 2 tau) dZ/ds, written without sinh and cosh, which overflow.
        if (kind == ElementKind::Wo) {
            const Complex shape = 1.0 / (t * s);
            d[0] = shape;
            d[1] = -p[0] / (2 * p[1]) * (1.0 / (t * t) - 1.0 + shape);
            return p[0] * shape;
        }
        const Complex shape = t / s;
        d[0] = shape;
        d[1] = p[0] / (2 * p[1]) * (1.0 - t * t - shape);
        return p[0] * shape;
    }
    case ElementKind::Cpe: {
        const Complex logJw(std::log(omega), std::numbers::pi / 2);
        const Complex z = 1.0 / (p[0] * std::exp(p[1] * logJw));
        d[0] = -z / p[0];
        d[1] = -z * logJw;
        return z;
    }
    case ElementKind::La: {
        const Complex logJw(std::log(omega), std::numbers::pi / 2);
        const Complex shape = std::exp(p[1] * logJw);
        d[0] = shape;
        d[1] = p[0] * shape * logJw;
        return p[0] * shape;
    }
    case ElementKind::G: {
        const Complex inner = 1.0 + kJ * omega * p[1];
        const Complex shape = 1.0 / std::sqrt(inner);
        d[0] = shape;
        d[1] = -p[0] * shape * kJ * omega / (2.0 * inner);
        return p[0] * shape;
    }
    }
    return 0;
}

} // namespace

struct CircuitParser {
    explicit CircuitParser(std::string_view written) : text(written) {
        circuit.text_ = std::string(written);
    }

    std::string_view text;
    std::size_t at = 0;
    Circuit circuit;
    std::vector<std::size_t> namedAt; // where each parameter's element was named
    std::string error;
    int depth = 0;
    static constexpr int kDeepest = 64; // parallels within parallels; a bound for the stack
    // Each step of a fit costs the square of the parameters: a bound for its time.
    static constexpr std::size_t kMostParameters = 40;

    std::string where(std::size_t position) const {
        return " at " + std::to_string(position + 1) + " in \"" + std::string(text) + "\"";
    }
    bool fail(std::string what, std::size_t position) {
        if (error.empty())
            error = std::move(what) + where(position);
        return false;
    }
    void skipBlanks() {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
            ++at;
    }
    bool take(char c) {
        skipBlanks();
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    int add(Circuit::Node node) {
        if (node.type != Circuit::Node::Type::Element) {
            const auto& nodes = circuit.nodes_;
            node.firstParameter = nodes[std::size_t(node.children.front())].firstParameter;
            for (int child : node.children)
                node.parameterCount += nodes[std::size_t(child)].parameterCount;
        }
        circuit.nodes_.push_back(std::move(node));
        return int(circuit.nodes_.size()) - 1;
    }

    // chain := term ('-' term)*
    int chain() {
        std::vector<int> terms;
        do {
            const int t = term();
            if (t < 0)
                return -1;
            terms.push_back(t);
        } while (take('-'));
        if (terms.size() == 1)
            return terms.front();
        return add({Circuit::Node::Type::Series, ElementKind::R, 0, 0, std::move(terms)});
    }

    // term := 'p(' chain (',' chain)+ ')' | element
    int term() {
        skipBlanks();
        const std::size_t start = at;
        while (at < text.size() && std::isalpha(static_cast<unsigned char>(text[at])))
            ++at;
        const std::string_view letters = text.substr(start, at - start);
        if (letters == "p" && take('(')) {
            if (++depth > kDeepest)
                return fail("nested too deep", start), -1;
            std::vector<int> branches;
            do {
                const int b = chain();
                if (b < 0)
                    return -1;
                branches.push_back(b);
            } while (take(','));
            skipBlanks();
            if (!take(')'))
                return fail("expected ')'", at), -1;
            --depth;
            if (branches.size() < 2)
                return fail("a parallel needs two branches or more", start), -1;
            return add({Circuit::Node::Type::Parallel, ElementKind::R, 0, 0, std::move(branches)});
        }
        if (letters.empty())
            return fail("expected an element", at), -1;
        const std::size_t digits = at;
        while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
            ++at;
        const std::string name(text.substr(start, at - start));
        const KindInfo* info = nullptr;
        for (const KindInfo& k : kinds())
            if (letters == k.prefix)
                info = &k;
        if (info == nullptr)
            return fail("unknown element \"" + name + "\"", start), -1;
        if (at == digits)
            return fail("expected a number after \"" + name + "\"", at), -1;
        for (std::size_t i = 0; i < circuit.parameters_.size(); ++i)
            if (circuit.parameters_[i].name.starts_with(name) &&
                (circuit.parameters_[i].name.size() == name.size() ||
                 circuit.parameters_[i].name[name.size()] == '_'))
                return fail(name + " is named twice, first at " + std::to_string(namedAt[i] + 1),
                            start),
                       -1;
        if (circuit.parameters_.size() + info->parameters.size() > kMostParameters)
            return fail("more than " + std::to_string(kMostParameters) + " parameters", start), -1;
        const int first = int(circuit.parameters_.size());
        for (const auto& [suffix, unit] : info->parameters) {
            circuit.parameters_.push_back(
                {name + std::string(suffix), std::string(unit), suffix == "_alpha"});
            namedAt.push_back(start);
        }
        return add(
            {Circuit::Node::Type::Element, info->kind, first, int(info->parameters.size()), {}});
    }
};

ParsedCircuit ParseCircuit(std::string_view text) {
    CircuitParser parser(text);
    if (parser.chain() >= 0) {
        parser.skipBlanks();
        if (parser.at < text.size())
            parser.fail("expected '-'", parser.at);
    }
    if (!parser.error.empty())
        return {{}, parser.error};
    // Every node is added after its children, so the root comes last.
    return {std::move(parser.circuit), {}};
}

std::complex<double> Circuit::impedance(double omega, std::span<const double> values,
                                        std::span<std::complex<double>> derivatives) const {
    if (!derivatives.empty())
        std::fill(derivatives.begin(), derivatives.end(), Complex(0));
    return node(int(nodes_.size()) - 1, omega, values, derivatives);
}

std::complex<double> Circuit::node(int index, double omega, std::span<const double> values,
                                   std::span<std::complex<double>> derivatives) const {
    const Node& n = nodes_[std::size_t(index)];
    if (n.type == Node::Type::Element) {
        Complex scratch[2];
        const std::size_t first = std::size_t(n.firstParameter);
        const Complex z = element(n.kind, omega, values.data() + first,
                                  derivatives.empty() ? scratch : derivatives.data() + first);
        return z;
    }
    if (n.type == Node::Type::Series) {
        Complex sum = 0;
        for (int child : n.children)
            sum += node(child, omega, values, derivatives);
        return sum;
    }
    // dZ/dp = (Z / Zbranch)^2 dZbranch/dp for a parameter of one branch: each branch's
    // derivatives are divided by its own Z^2 as it comes, and all multiplied by Z^2 at the end.
    Complex admittance = 0;
    for (int child : n.children) {
        const Complex branch = node(child, omega, values, derivatives);
        admittance += 1.0 / branch;
        if (!derivatives.empty()) {
            const Node& c = nodes_[std::size_t(child)];
            for (int i = 0; i < c.parameterCount; ++i)
                derivatives[std::size_t(c.firstParameter + i)] /= branch * branch;
        }
    }
    const Complex z = 1.0 / admittance;
    if (!derivatives.empty())
        for (int i = 0; i < n.parameterCount; ++i)
            derivatives[std::size_t(n.firstParameter + i)] *= z * z;
    return z;
}
