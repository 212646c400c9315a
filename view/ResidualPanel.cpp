#include "ResidualPanel.h"

#include "FileLook.h"
#include "SweepsDrawn.h"
#include "chart/PanelBelow.h"
#include "chart/SweepKeyEntries.h"
#include "model/SeriesBuilder.h"

#include <algorithm>
#include <cmath>

namespace {

// After a name in the legend, and before the sweeps in the key, that the check finds invalid.
const char* const kInvalidMark = kMarkedEntry;
// The key lists this many invalid sweeps, and counts the rest.
constexpr std::size_t kSweepsListed = 3;
// Residuals beyond this many percent leave the panel, unless the limit is wider still.
constexpr double kLargestShown = 100.0;

bool invalid(const SweepCheck& check) {
    return check.result.status == KkResult::Status::Checked && !check.result.valid;
}

// The sweeps the diagram draws of a file, as DiagramModel and OverlayModel choose them.
SweepsDrawn drawnOf(const ShownFile& file, const PlotChoices& choices, bool overlay) {
    const int last = file.checks.empty() ? 1 : file.checks.back()->sweep;
    if (overlay)
        return {last, last, {}, {}};
    return SweepsDrawnOf(last, choices);
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
        const SweepsDrawn drawn = drawnOf(files[i], choices, overlay);
        SeriesBuilder residuals;
        for (const auto& check : files[i].checks) {
            const std::vector<KkPointFit>& fits = check->result.fits;
            if (!drawn.shows(check->sweep) || fits.size() != check->points.size())
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
        for (const Quantity part : {Quantity::ZReal, Quantity::MinusZImag}) {
            SeriesModel residual{series,
                                 Quantity::Frequency,
                                 part,
                                 false,
                                 look.color,
                                 drawn.first,
                                 std::max(drawn.last, drawn.first)};
            residual.open = part == Quantity::MinusZImag;
            residual.onlySweeps = drawn.only;
            residual.shape = look.shape;
            m.series.push_back(std::move(residual));
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
            if (check->sweep >= model.sweeps->first && check->sweep <= model.sweeps->last &&
                (model.sweeps->only.empty() ||
                 std::binary_search(model.sweeps->only.begin(), model.sweeps->only.end(),
                                    check->sweep)) &&
                invalid(*check))
                sweeps.push_back(check->sweep);
        if (!sweeps.empty())
            model.sweeps->mark = sweepsMark(sweeps);
        model.sweeps->marked = sweeps;
    }
    if (!choices.residuals)
        return;
    ChartModel panel = ResidualModel(files, choices, limitPercent);
    // The Bode diagram's frequencies stand right above the panel's.
    if (model.x.log) {
        panel.x.min = model.x.min;
        panel.x.max = model.x.max;
        panel.x.pad = model.x.pad;
    }
    AddPanelBelow(model, std::move(panel));
}
