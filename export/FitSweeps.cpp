#include "FitSweeps.h"

#include "SweepPoints.h"

FitSweeps::FitSweeps(const Circuit& circuit, FitOptions options, SweepFitted fitted,
                     RowsNotFitted notFitted)
    : circuit_(circuit), options_(std::move(options)), onSweep_(std::move(fitted)),
      onLong_(std::move(notFitted)) {}

void FitSweeps::OnRow(const Row& row) {
    if (row.sweep != sweep_) {
        endSweep();
        sweep_ = row.sweep;
    }
    if (tooMany_ > 0) {
        ++tooMany_;
        if (onLong_)
            onLong_({&row, 1});
        return;
    }
    rows_.push_back(row);
    if (rows_.size() > kFitMostPoints) {
        tooMany_ = rows_.size();
        if (onLong_)
            onLong_(rows_);
        rows_ = {};
    }
}

void FitSweeps::Finish() {
    endSweep();
}

void FitSweeps::endSweep() {
    if (tooMany_ > 0) {
        FitResult result;
        result.status = FitResult::Status::TooMany;
        result.points = tooMany_;
        tooMany_ = 0;
        onSweep_(sweep_, {}, result);
        return;
    }
    if (rows_.empty())
        return;
    onSweep_(sweep_, rows_, FitCircuit(circuit_, SweepPoints(rows_), options_));
    rows_.clear();
}
