#include "FitTable.h"

#include <cmath>

namespace {

std::string reasonNotFitted(const FitResult& result) {
    switch (result.status) {
    case FitResult::Status::TooFew:
        return "too few points";
    case FitResult::Status::TooMany:
        return "too many points";
    case FitResult::Status::Cancelled:
        return "not fitted";
    case FitResult::Status::Fitted:
        break;
    }
    return {};
}

} // namespace

std::string DisplayUnit(const std::string& unit) {
    std::string shown = unit;
    for (const auto& [from, to] :
         {std::pair<std::string, std::string>{"Ohm", "\u03a9"}, {"alpha", "\u03b1"}})
        for (std::size_t at; (at = shown.find(from)) != std::string::npos;)
            shown.replace(at, from.size(), to);
    return shown;
}

FitTable MakeFitTable(const std::vector<ShownFile>& files, const NumberStyle& numbers) {
    FitTable table;
    const Circuit* circuit = nullptr;
    for (const ShownFile& file : files)
        if (!file.fits.empty() && file.fits.front()->circuit)
            circuit = file.fits.front()->circuit.get();
    if (circuit == nullptr)
        return table;
    const bool several = files.size() > 1;
    if (several)
        table.header.push_back("file");
    table.header.insert(table.header.end(), {"sweep", "points", "\u03c7\u00b2"});
    for (const CircuitParameter& p : circuit->parameters()) {
        table.header.push_back(p.unit.empty() ? p.name : p.name + " / " + DisplayUnit(p.unit));
        table.header.push_back(p.name + " \u00b1 %");
    }
    for (const ShownFile& file : files)
        for (const auto& fit : file.fits) {
            std::vector<std::string>& row = table.rows.emplace_back();
            if (several)
                row.push_back(file.name);
            row.push_back(std::to_string(fit->sweep));
            row.push_back(std::to_string(fit->result.points));
            const FitResult& r = fit->result;
            if (r.status != FitResult::Status::Fitted || r.values.size() != r.errors.size()) {
                row.push_back(reasonNotFitted(r));
                row.resize(table.header.size());
                continue;
            }
            row.push_back(numbers.Significant(r.chi2, 3) + (r.converged ? "" : " (not converged)"));
            for (std::size_t i = 0; i < r.values.size(); ++i) {
                const double relative = 100 * r.errors[i] / std::abs(r.values[i]);
                row.push_back(numbers.Significant(r.values[i], 6));
                row.push_back(std::isfinite(relative) ? numbers.Significant(relative, 2) : "?");
            }
            row.resize(table.header.size());
        }
    return table;
}

FitTable Transposed(const FitTable& table) {
    FitTable turned;
    turned.header = {"", table.rows.empty() ? "" : "value"};
    for (std::size_t c = 0; c < table.header.size(); ++c)
        turned.rows.push_back(
            {table.header[c], table.rows.empty() ? std::string() : table.rows.front()[c]});
    return turned;
}

std::string TabSeparated(const FitTable& table) {
    std::string text;
    const auto line = [&text](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0)
                text += '\t';
            // A file's name may hold a tab or a line end, which would split its cell.
            for (const char ch : cells[c])
                text += ch == '\t' || ch == '\n' || ch == '\r' ? ' ' : ch;
        }
        text += '\n';
    };
    line(table.header);
    for (const auto& row : table.rows)
        line(row);
    return text;
}
