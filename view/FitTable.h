#pragma once

#include "DiagramModels.h"
#include "chart/NumberStyle.h"

#include <string>
#include <vector>

// The parameters of the fits of the sweeps shown, as the Parameters panel lists them: a row a
// sweep, with its file's name when several are shown, its points, chi2, and each parameter with
// its unit (to six digits) and its standard error in %.
struct FitTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

// A parameter's unit as the window writes it: Ω and α rather than the file's Ohm and alpha.
std::string DisplayUnit(const std::string& unit);

// Every fitted sweep of every file, the newest last; a sweep not fitted has its reason in
// place of chi2 and no values. `numbers` should write the hyphen-minus, which spreadsheets
// read as a sign.
FitTable MakeFitTable(const std::vector<ShownFile>& files,
                      const NumberStyle& numbers = kAsciiNumbers);

// One sweep's table turned on its side: a row a column, its name and its value.
FitTable Transposed(const FitTable& table);

// The table as tab-separated text, the header first, for a spreadsheet.
std::string TabSeparated(const FitTable& table);
