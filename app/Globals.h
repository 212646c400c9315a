#pragma once

#include "chart/CurveChart.h"

#include <string>

extern CCurveChart g_chart;
// The chosen measurement file: its full path, and its name without the folder. Kept as the
// file system's bytes, whatever their encoding.
extern std::string g_strPathName;
extern std::string g_strFileName;
