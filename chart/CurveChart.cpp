#include "CurveChart.h"

#include "model/Thinning.h"

#include <algorithm>

CCurveChart::CCurveChart()
    : clientRect{}, xMax(0.0), yMax(0.0), zMax(0.0), xMin(0.0), yMin(0.0), zMin(0.0), xMode(0),
      yMode(0), zMode(0), tData{}, xData{}, yData{}, zData{}, count(0), plotLeft(0), plotTop(0),
      plotRight(0), plotBottom(0), xTickPx(0), yTickPx(0), zTickPx(0), xStep(0.0), yStep(0.0),
      zStep(0.0), xExp(0), yExp(0), zExp(0), showZAxis(false), showZeroLine(false), lastError(0) {}

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
    if (takeRange(min, max, xMin, xMax))
        return true;
    lastError = kErrXRange;
    return false;
}

bool CCurveChart::SetYRange(double min, double max) {
    if (takeRange(min, max, yMin, yMax))
        return true;
    lastError = kErrYRange;
    return false;
}

bool CCurveChart::SetZRange(double min, double max) {
    if (takeRange(min, max, zMin, zMax))
        return true;
    lastError = kErrZRange;
    return false;
}

void CCurveChart::AddPoint(double t, double x, double y) {
    if (count >= CHART_CAPACITY)
        Thin();
    tData[count] = t;
    xData[count] = x;
    yData[count] = y;
    const double sx = Scale(x, 'x');
    const double sy = Scale(y, 'y');
    // Equal to a limit is inside; a NaN fails the "not below" tests and counts as outside.
    if (sx > xMax || !(sx >= xMin) || sy > yMax || !(sy >= yMin))
        AutoScale();
    ++count;
}

void CCurveChart::Thin() {
    const int w = ThinSlots(
        CHART_CAPACITY, [this](int i) { return tData[i]; },
        [this](int from, int to) {
            tData[to] = tData[from];
            xData[to] = xData[from];
            yData[to] = yData[from];
            zData[to] = zData[from];
        });
    std::fill(tData + w, std::end(tData), 0.0);
    std::fill(xData + w, std::end(xData), 0.0);
    std::fill(yData + w, std::end(yData), 0.0);
    std::fill(zData + w, std::end(zData), 0.0);
    count = w;
}
