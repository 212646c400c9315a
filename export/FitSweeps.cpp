#include "FitSweeps.h"

#include "SweepPoints.h"

FitSweeps::FitSweeps(const Circuit& circuit, FitOptions options, SweepFitted fitted)
    : circuit_(circuit), options_(std::move(options)), onSweep_(std::move(fitted)) {}

void FitSweeps::OnRow(const Row& row) {
    if (row.sweep != sweep_) {
        endSweep();
        sweep_ = row.sweep;
    }
    if (tooMany_ > 0) {
        ++tooMany_;
        return;
    }
    rows_.push_back(row);
    if (rows_.size() > kFitMostPoints) {
        tooMany_ = rows_.size();
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
