#pragma once

#include <string_view>

// Reads up to three numbers from the start of a line, as "%lf %lf %lf" would in the C
// locale: white space before each is skipped, each is an optional sign and a decimal
// number (the point is always the decimal separator), and the scan stops at the first field
// that is not a number. Numbers not read keep their values. Returns how many were read.
int ScanThreeNumbers(std::string_view line, double (&values)[3]);
