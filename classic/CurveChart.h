#pragma once

#include "LogAxis.h"
#include "model/Thinning.h"

#include <cstdint>
#include <optional>
#include <string>

inline constexpr int CHART_CAPACITY = kKeptPoints;

// A chart of up to CHART_CAPACITY points on four channels (t, x, y, z) with three axes:
// X below, Y on the left, Z on the right, each linear (modes 0 to 3) or logarithmic
// (kLogAxis). Its state is public: the filling sets it and the renderer reads it; drawing
// changes nothing in it.
class CCurveChart {
  public:
    CCurveChart();
    CCurveChart(const CCurveChart&) = delete;
    CCurveChart& operator=(const CCurveChart&) = delete;

    bool Init(std::string xTitle, std::string yTitle, std::string zTitle, int xMode, int yMode,
              int zMode);
    void Clear();
    void ShowZAxis(bool show) { showZAxis = show; }
    void ShowZeroLine(bool show) { showZeroLine = show; }
    // Each refuses an empty, reversed or NaN range and keeps the one it had.
    bool SetXRange(double min, double max);
    bool SetYRange(double min, double max);
    bool SetZRange(double min, double max);

    void AutoScale();
    // A value of the axis ('x', 'y' or 'z') in the units its labels count.
    double Scale(double value, char axis) const;
    static double NiceCeil(double v);
    static double NiceFloor(double v);
    static int EngExponent(double v);

    double xMax, yMax, zMax;
    double xMin, yMin, zMin;
    int xMode, yMode, zMode;
    std::string xTitle, yTitle, zTitle;
    // The Y and Z series as a legend names them; the legend shows with the Z axis when both
    // are named.
    std::string yName, zName;
    double tData[CHART_CAPACITY];
    double xData[CHART_CAPACITY];
    double yData[CHART_CAPACITY];
    double zData[CHART_CAPACITY];
    int count;
    int xExp, yExp, zExp;
    bool showZAxis;
    bool showZeroLine;
    // Margins, font and dots follow the client size (see LayoutFor); off, the classic layout.
    bool scaleLayoutWithSize = false;
    // Leave out the dots and the zero line where they fall outside the frame (while a part of
    // the plane is viewed, so they never cover the labels).
    bool clipToFrame = false;

  private:
    // The limits (as bits), exponents and modes AutoScale works from.
    struct ScaleState {
        std::uint64_t limits[6];
        int exponents[3];
        int modes[3];
        friend bool operator==(const ScaleState&, const ScaleState&) = default;
    };
    ScaleState scaleState() const;
    void rescale();
    // A state that AutoScale maps onto itself.
    std::optional<ScaleState> settled_;
};
