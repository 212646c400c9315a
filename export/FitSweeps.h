#pragma once

#include "analysis/CircuitFit.h"
#include "measurement/Reader.h"

#include <functional>
#include <span>
#include <vector>

// Gathers the rows of each sweep as a file is read and fits the circuit to each sweep once its
// last row is in. Only one sweep's rows are held at a time, and none of a sweep beyond
// kFitMostPoints rows, which is too long to fit.
class FitSweeps final : public RowSink {
  public:
    // Once per sweep: its number, its rows in the file's order (empty when it was too long)
    // and its fit.
    using SweepFitted = std::function<void(std::uint32_t sweep, std::span<const Row> rows,
                                           const FitResult& result)>;

    // The rows of a sweep too long to fit, in order as they come, for a caller that must keep
    // every row.
    using RowsNotFitted = std::function<void(std::span<const Row> rows)>;

    FitSweeps(const Circuit& circuit, FitOptions options, SweepFitted fitted,
              RowsNotFitted notFitted = nullptr);

    void OnRow(const Row& row) override;
    // Fits the last sweep.
    void Finish();

  private:
    void endSweep();

    const Circuit& circuit_;
    FitOptions options_;
    SweepFitted onSweep_;
    RowsNotFitted onLong_;
    std::uint32_t sweep_ = 0;
    std::vector<Row> rows_;
    std::size_t tooMany_ = 0; // the rows of the sweep under way, once it grew too long
};
