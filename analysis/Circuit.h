#pragma once

#include <complex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// An equivalent circuit as the field writes it: elements in series joined by `-`, parallel
// branches in `p(a,b,...)`, nested at will, each element its kind and a number naming it
// (`R0-p(R1,CPE1)-p(R2-Wo1,C2)`).

enum class ElementKind { R, C, L, W, Wo, Ws, Cpe, La, G };

struct CircuitParameter {
    std::string name;      // `R1`, or the element's name and the parameter's: `CPE1_alpha`
    std::string unit;      // as CSV headers and printed values carry it; empty for a pure number
    bool exponent = false; // an exponent in (0, 1]; every other parameter is above 0
};

class Circuit {
  public:
    struct Node {
        enum class Type { Element, Series, Parallel } type = Type::Element;
        ElementKind kind = ElementKind::R;
        int firstParameter = 0; // the parameters under the node lie together, in order
        int parameterCount = 0;
        std::vector<int> children; // of a series or parallel node
    };

    const std::string& text() const { return text_; }
    const std::vector<CircuitParameter>& parameters() const { return parameters_; }
    const std::vector<Node>& nodes() const { return nodes_; } // the root last

    // Z at angular frequency `omega` with `values` in parameter order. `derivatives`, when not
    // empty, receives dZ/dp for every parameter.
    std::complex<double> impedance(double omega, std::span<const double> values,
                                   std::span<std::complex<double>> derivatives = {}) const;

  private:
    friend struct CircuitParser;
    std::complex<double> node(int index, double omega, std::span<const double> values,
                              std::span<std::complex<double>> derivatives) const;

    std::string text_;
    std::vector<CircuitParameter> parameters_;
    std::vector<Node> nodes_;
};

struct ParsedCircuit {
    Circuit circuit;
    // Empty, or the fault and its place, counted from 1: `expected ')' at 8 in "R0-p(R1"`.
    std::string error;
};

ParsedCircuit ParseCircuit(std::string_view text);
