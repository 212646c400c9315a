#include "FitReport.h"

#include "ReadEveryRow.h"
#include "ReportNumbers.h"
#include "export/FitSweeps.h"

#include <cmath>

const char* FitWeightName(FitWeight weight) {
    switch (weight) {
    case FitWeight::Unit:
        return "unit";
    case FitWeight::Modulus:
        return "modulus";
    case FitWeight::Proportional:
        return "proportional";
    }
    return "unit";
}

std::string FitBlock(std::uint32_t sweep, const Circuit& circuit, FitWeight weight,
                     const FitResult& result) {
    const std::size_t parameters = circuit.parameters().size();
    std::string block =
        "fit sweep " + std::to_string(sweep) + ": " + std::to_string(result.points) + " points";
    switch (result.status) {
    case FitResult::Status::TooFew:
        return block + ": too few for " + std::to_string(parameters) + " parameters\n";
    case FitResult::Status::TooMany:
        return block + ": too many to fit (at most " + std::to_string(kFitMostPoints) + ")\n";
    case FitResult::Status::Cancelled:
        return block + ": not fitted\n";
    case FitResult::Status::Fitted:
        break;
    }
    block += ", " + circuit.text() + ", weight " + FitWeightName(weight) + ", chi2 " +
             Printed("%.2e", result.chi2) + ", " + std::to_string(result.iterations) +
             " iterations, " + (result.converged ? "converged\n" : "not converged\n");
    for (std::size_t i = 0; i < parameters; ++i) {
        const CircuitParameter& p = circuit.parameters()[i];
        const double value = result.values[i];
        const double relative = 100 * result.errors[i] / std::abs(value);
        block += p.name + " = " + Shortest(value) + (p.unit.empty() ? "" : " " + p.unit) +
                 (std::isfinite(relative) ? " ± " + Significant(relative, 2) + " %"
                                          : " ± undetermined") +
                 "\n";
    }
    return block;
}

int PrintFitReport(const std::string& file, const Circuit& circuit, const FitOptions& options,
                   QTextStream& out, QTextStream& err) {
    std::string blocks;
    FitSweeps sweeps(circuit, options,
                     [&](std::uint32_t sweep, std::span<const Row>, const FitResult& result) {
                         blocks += FitBlock(sweep, circuit, options.weight, result);
                     });
    if (const auto problem = ReadEveryRow(file, sweeps)) {
        err << "korvane: " << *problem << "\n";
        return 1;
    }
    sweeps.Finish();
    out << QString::fromStdString(blocks.empty() ? "fit: no points to fit\n" : blocks);
    return 0;
}
