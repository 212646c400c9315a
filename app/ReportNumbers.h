#pragma once

#include <string>

// How the reports of the command line write their numbers: always with a decimal point.

// `value` through a printf `format` of one double.
std::string Printed(const char* format, double value);

// `digits` significant digits; whole numbers from where that would need an exponent on.
std::string Significant(double value, int digits);

// The shortest text that reads back as `value`.
std::string Shortest(double value);
