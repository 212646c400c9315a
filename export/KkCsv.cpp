#include "KkCsv.h"

#include "PointsCsv.h"

#include <cmath>

void AppendKkCsvColumns(const KkResult& result, std::size_t i, std::string& text) {
    const bool fitted = result.status == KkResult::Status::Checked && i < result.fits.size() &&
                        !std::isnan(result.fits[i].residualReal);
    if (!fitted) {
        text += ",,,,";
        return;
    }
    const KkPointFit& fit = result.fits[i];
    for (const double value : {fit.zReal, fit.minusZImag, fit.residualReal, fit.residualImag}) {
        text += ',';
        AppendCsvNumber(value, text);
    }
}
