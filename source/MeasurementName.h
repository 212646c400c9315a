#pragma once

#include <string_view>

// Whether a name in a followed folder is passed over whatever it holds: a hidden file, as is
// the temporary file an output of Korvane's is written through before it takes its name.
bool NeverFollowed(std::string_view name);

// Whether the name ends in an ending a format's files are written under, in either case.
bool HasMeasurementEnding(std::string_view name);
