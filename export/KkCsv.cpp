#include "KkCsv.h"

#include "PointsCsv.h"

#include <cmath>

void AppendKkCsvLines(std::span<const Row> rows, const KkResult& result, std::string& text,
                      bool float32) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        AppendCsvLine(rows[i], text, float32);
        text.pop_back(); // the line end comes after the columns
        const bool fitted = result.status == KkResult::Status::Checked && i < result.fits.size() &&
                            !std::isnan(result.fits[i].residualReal);
        if (!fitted) {
            text += ",,,,\n";
            continue;
        }
        const KkPointFit& fit = result.fits[i];
        for (const double value : {fit.zReal, fit.minusZImag, fit.residualReal, fit.residualImag}) {
            text += ',';
            AppendCsvNumber(value, text);
        }
        text += '\n';
    }
}
