#include "Globals.h"

// Constructed in this order and destroyed in reverse: the chart outlives every window.
CPlotApp theApp;
CCurveChart g_chart;
std::string g_strPathName;
std::string g_strFileName;
