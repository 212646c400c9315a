#include "ResidualPanel.h"

#include "FileLook.h"
#include "model/SeriesBuilder.h"

#include <algorithm>
#include <cmath>

namespace {

// After a name in the legend, and before the sweeps in the key, that the check finds invalid.
const char* const kInvalidMark = " \u2717";
// The key lists this many invalid sweeps, and counts the rest.
constexpr std::size_t kSweepsListed = 3;
// Residuals beyond this many percent leave the panel, unless the limit is wider still.
constexpr double kLargestShown = 100.0;

bool invalid(const SweepCheck& check) {
    return check.result.status == KkResult::Status::Checked && !check.result.valid;
}

// The first sweep the diagram draws of a file, as DiagramModel and OverlayModel choose it.
int firstDrawn(const ShownFile& file, const PlotChoices& choices, bool overlay) {
    const int last = file.checks.empty() ? 1 : file.checks.back()->sweep;
    if (overlay || choices.sweeps == SweepsShown::Last)
        return last;
    return choices.sweeps == SweepsShown::LastFive ? std::max(1, last - 4) : 1;
}

std::string sweepsMark(const std::vector<int>& sweeps) {
    std::string mark = kInvalidMark;
    for (std::size_t i = 0; i < sweeps.size() && i < kSweepsListed; ++i)
        mark += (i > 0 ? ", " : " ") + std::to_string(sweeps[i]);
    if (sweeps.size() > kSweepsListed)
        mark += " +" + std::to_string(sweeps.size() - kSweepsListed);
    return mark;
}

} // namespace

ChartModel ResidualModel(const std::vector<ShownFile>& files, const PlotChoices& choices,
                         double limitPercent) {
    ChartModel m;
    m.x = {kDecadeFromOne.min, kDecadeFromOne.max, true, true, "f", "Hz", kBlack};
    m.y = {0, 0, false, true, "\u0394", "%", kBlack};
    m.band = AxisRange{-limitPercent, limitPercent};
    m.zeroLine = true;
    const bool overlay = files.size() > 1;
    Extent frequency;
    double largest = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const int first = firstDrawn(files[i], choices, overlay);
        SeriesBuilder residuals;
        for (const auto& check : files[i].checks) {
            const std::vector<KkPointFit>& fits = check->result.fits;
            if (check->sweep < first || fits.size() != check->points.size())
                continue;
            for (std::size_t k = 0; k < fits.size(); ++k) {
                Point p = check->points[k];
                p.zReal = fits[k].residualReal;
                p.minusZImag = fits[k].residualImag;
                if (!std::isfinite(p.zReal) || !std::isfinite(p.minusZImag) || !(p.f > 0))
                    continue;
                frequency.take(p.f);
                largest = std::max({largest, std::abs(p.zReal), std::abs(p.minusZImag)});
                residuals.Add(p);
            }
        }
        if (residuals.rows() == 0)
            continue;
        const SeriesSnapshot series = residuals.Make();
        const FileLook look =
            overlay ? FileLookAt(files[i].look, i) : FileLook{kOkabeBlue, MarkShape::Circle};
        const int last = files[i].checks.back()->sweep;
        for (const Quantity part : {Quantity::ZReal, Quantity::MinusZImag}) {
            SeriesModel drawn{series, Quantity::Frequency, part, false, look.color, first, last};
            drawn.open = part == Quantity::MinusZImag;
            drawn.shape = look.shape;
            m.series.push_back(std::move(drawn));
        }
    }
    const AxisRange across = LogRangeOf(frequency);
    m.x.min = across.min;
    m.x.max = across.max;
    const double span =
        std::clamp(largest, 1.5 * limitPercent, std::max(kLargestShown, 2 * limitPercent));
    m.y.min = -span;
    m.y.max = span;
    return m;
}

void AddKkChecks(ChartModel& model, const std::vector<ShownFile>& files, const PlotChoices& choices,
                 double limitPercent) {
    const bool overlay = files.size() > 1;
    for (std::size_t i = 0; overlay && i < files.size() && i < model.legend.size(); ++i)
        if (!files[i].checks.empty() && invalid(*files[i].checks.back()))
            model.legend[i].mark = kInvalidMark;
    if (!overlay && !files.empty() && model.sweeps) {
        std::vector<int> sweeps;
        for (const auto& check : files.front().checks)
            if (check->sweep >= model.sweeps->first && invalid(*check))
                sweeps.push_back(check->sweep);
        if (!sweeps.empty())
            model.sweeps->mark = sweepsMark(sweeps);
    }
    if (!choices.residuals)
        return;
    ChartModel panel = ResidualModel(files, choices, limitPercent);
    // The Bode diagram's frequencies stand right above the panel's.
    if (model.x.log && model.rightY) {
        panel.x.min = model.x.min;
        panel.x.max = model.x.max;
        panel.x.pad = model.x.pad;
    }
    model.below = std::make_shared<const ChartModel>(std::move(panel));
}
