#include "SweepFits.h"

#include "SweepChecks.h"

#include <algorithm>

namespace {

bool sameChoice(const FitChoice& a, const FitChoice& b) {
    return a.circuit && b.circuit && a.circuit->text() == b.circuit->text() &&
           a.options.weight == b.options.weight && a.options.fMin == b.options.fMin &&
           a.options.fMax == b.options.fMax && a.options.guess == b.options.guess;
}

} // namespace

SweepFits LiveFits::Fit(const Series& series, const FitChoice& choice,
                        const std::atomic<bool>& stop) {
    if (!choice.circuit)
        return {};
    if (!sameChoice(choice, choice_)) {
        kept_.clear();
        choice_ = choice;
    }
    std::map<int, std::vector<Point>> sweeps = PointsBySweep(series);
    std::erase_if(kept_, [&sweeps](const auto& kept) { return !sweeps.contains(kept.first); });
    const int last = sweeps.empty() ? 0 : sweeps.rbegin()->first;
    SweepFits fits;
    for (auto& [sweep, points] : sweeps) {
        auto& kept = kept_[sweep];
        // A sweep that grew starts from its last fit; once over, it is fitted afresh so a
        // start from its first few points cannot hold it in a poor minimum.
        const bool over = sweep != last;
        if (!kept || !SamePoints(kept->points, points) || (over && kept->fromPrevious)) {
            FitOptions options = choice.options;
            const bool previous = !over && kept && kept->result.status == FitResult::Status::Fitted;
            if (previous)
                options.guess = kept->result.values;
            auto fit = std::make_shared<SweepFit>();
            fit->result = FitCircuit(*choice.circuit, points, options, &stop);
            if (fit->result.status == FitResult::Status::Cancelled) {
                if (kept)
                    fits.push_back(kept);
                else
                    kept_.erase(sweep);
                continue;
            }
            fit->sweep = sweep;
            fit->points = std::move(points);
            fit->circuit = choice.circuit;
            fit->fromPrevious = previous;
            kept = std::move(fit);
        }
        fits.push_back(kept);
    }
    return fits;
}
