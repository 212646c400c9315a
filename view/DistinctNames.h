#pragma once

#include <string>
#include <vector>

// File names shortened to what tells them apart, for a legend: the words all of them begin
// and end with are left out ("EIS_001.DTA", "EIS_002.DTA" give "001", "002"). A word ends at
// '_', '-', '.' or a space. Names that would end up empty or alike stay whole.
std::vector<std::string> DistinctNames(const std::vector<std::string>& names);
