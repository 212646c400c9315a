#include "KkSweeps.h"

#include "SweepPoints.h"

KkSweeps::KkSweeps(const KkOptions& options, RowsChecked rows, SweepChecked sweeps)
    : options_(options), onRows_(std::move(rows)), onSweep_(std::move(sweeps)) {}

void KkSweeps::OnRow(const Row& row) {
    if (row.sweep != sweep_) {
        endSweep();
        sweep_ = row.sweep;
    }
    if (handingOn_) {
        ++tooMany_.points;
        if (onRows_)
            onRows_({&row, 1}, tooMany_);
        return;
    }
    rows_.push_back(row);
    // Every row counted, usable or not: the check would take no more than this many anyway,
    // and a sweep of millions of rows is never held.
    if (rows_.size() > kKkMostPoints) {
        handingOn_ = true;
        tooMany_ = {};
        tooMany_.status = KkResult::Status::TooMany;
        tooMany_.points = rows_.size();
        if (onRows_)
            onRows_(rows_, tooMany_);
        rows_.clear();
    }
}

void KkSweeps::Finish() {
    endSweep();
}

void KkSweeps::endSweep() {
    if (handingOn_) {
        handingOn_ = false;
        if (onSweep_)
            onSweep_(sweep_, tooMany_);
        return;
    }
    if (rows_.empty())
        return;
    const KkResult result = CheckKramersKronig(SweepPoints(rows_), options_);
    if (onRows_)
        onRows_(rows_, result);
    if (onSweep_)
        onSweep_(sweep_, result);
    rows_.clear();
}
