#pragma once

#include <string>

// A measurement of three points, for the tests of what may be written over what.
inline const std::string kMeasurement = "1 10 -1\n2 20 -2\n3 25 -1\n";
