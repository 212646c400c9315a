#include "SweepChecks.h"

#include <algorithm>

namespace {

bool sameOptions(const KkOptions& a, const KkOptions& b) {
    return a.fit == b.fit && a.muLimit == b.muLimit && a.fixedM == b.fixedM &&
           a.limitPercent == b.limitPercent && a.capacitance == b.capacitance;
}

} // namespace

std::map<int, std::vector<Point>> PointsBySweep(const Series& series) {
    // Points come in file order, so each sweep is one run of them.
    std::map<int, std::vector<Point>> sweeps;
    for (const Point& p : series.points())
        sweeps[p.sweep].push_back(p);
    return sweeps;
}

bool SamePoints(const std::vector<Point>& a, const std::vector<Point>& b) {
    return a.size() == b.size() &&
           (a.empty() || (a.front().line == b.front().line && a.back().line == b.back().line &&
                          a.back().f == b.back().f));
}

SweepChecks LiveChecks::Check(const Series& series, const KkOptions& options,
                              const std::atomic<bool>& stop) {
    if (!sameOptions(options, options_)) {
        kept_.clear();
        options_ = options;
    }
    std::map<int, std::vector<Point>> sweeps = PointsBySweep(series);
    std::erase_if(kept_, [&sweeps](const auto& kept) { return !sweeps.contains(kept.first); });
    SweepChecks checks;
    for (auto& [sweep, points] : sweeps) {
        auto& kept = kept_[sweep];
        if (!kept || !SamePoints(kept->points, points)) {
            auto check = std::make_shared<SweepCheck>();
            check->result = CheckKramersKronig(points, options, &stop);
            if (check->result.status == KkResult::Status::Cancelled) {
                kept_.erase(sweep);
                return {};
            }
            check->sweep = sweep;
            check->points = std::move(points);
            kept = std::move(check);
        }
        checks.push_back(kept);
    }
    return checks;
}
