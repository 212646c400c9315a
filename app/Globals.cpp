#include "Globals.h"

// What the classic dialog shares: the chart and the chosen file.
CCurveChart g_chart;
std::string g_strPathName;
std::string g_strFileName;
