#pragma once

#include "analysis/KramersKronig.h"
#include "measurement/Reader.h"

#include <functional>
#include <span>
#include <vector>

// Gathers the rows of each sweep as a file is read and checks each sweep once its last row
// is in: a sweep ends where a row of another sweep comes, or where the file ends (Finish).
// Only one sweep's rows are held at a time, and a sweep too long to check is handed on as it
// comes instead of gathered.
class KkSweeps final : public RowSink {
  public:
    // The rows of a sweep in the file's order with the check that covers them; a sweep too
    // long to check comes in several pieces.
    using RowsChecked = std::function<void(std::span<const Row> rows, const KkResult& result)>;
    // Once per sweep, after its rows: its number and its check, `points` counting every row.
    using SweepChecked = std::function<void(std::uint32_t sweep, const KkResult& result)>;

    KkSweeps(const KkOptions& options, RowsChecked rows, SweepChecked sweeps);

    void OnRow(const Row& row) override;
    // Checks the last sweep.
    void Finish();

  private:
    void endSweep();

    KkOptions options_;
    RowsChecked onRows_;
    SweepChecked onSweep_;
    std::uint32_t sweep_ = 0;
    std::vector<Row> rows_;
    KkResult tooMany_; // of the sweep under way, once it grew too long to check
    bool handingOn_ = false;
};
