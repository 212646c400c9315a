#include "CurveChart.h"

#include <algorithm>

CCurveChart::CCurveChart()
    : xMax(0.0), yMax(0.0), zMax(0.0), xMin(0.0), yMin(0.0), zMin(0.0), xMode(0), yMode(0),
      zMode(0), tData{}, xData{}, yData{}, zData{}, count(0), xExp(0), yExp(0), zExp(0),
      showZAxis(false), showZeroLine(false) {}

bool CCurveChart::Init(std::string xTitleIn, std::string yTitleIn, std::string zTitleIn,
                       int xModeIn, int yModeIn, int zModeIn) {
    xTitle = std::move(xTitleIn);
    yTitle = std::move(yTitleIn);
    zTitle = std::move(zTitleIn);
    auto validMode = [](int mode) { return mode >= 0 && mode <= kLogAxis ? mode : 3; };
    xMode = validMode(xModeIn);
    yMode = validMode(yModeIn);
    zMode = validMode(zModeIn);
    Clear();
    return true;
}

void CCurveChart::Clear() {
    std::fill(std::begin(tData), std::end(tData), 0.0);
    std::fill(std::begin(xData), std::end(xData), 0.0);
    std::fill(std::begin(yData), std::end(yData), 0.0);
    std::fill(std::begin(zData), std::end(zData), 0.0);
    xMin = yMin = zMin = 0.0;
    xMax = yMax = zMax = 1.0;
    count = 0;
    xExp = yExp = zExp = 0;
}

namespace {
// A NaN on either side makes the comparison false, so a NaN range is refused.
bool takeRange(double min, double max, double& outMin, double& outMax) {
    if (!(max > min))
        return false;
    outMax = max;
    outMin = min;
    return true;
}
} // namespace

bool CCurveChart::SetXRange(double min, double max) {
    return takeRange(min, max, xMin, xMax);
}

bool CCurveChart::SetYRange(double min, double max) {
    return takeRange(min, max, yMin, yMax);
}

bool CCurveChart::SetZRange(double min, double max) {
    return takeRange(min, max, zMin, zMax);
}
