#pragma once

#include "DrawSurface.h"
#include "LogAxis.h"
#include "Painter.h"
#include "model/Thinning.h"

#include <cstdint>
#include <optional>
#include <string>

inline constexpr int CHART_CAPACITY = kKeptPoints;

struct PlotLayout;

struct PixelPoint {
    int x = 0, y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// A chart of up to CHART_CAPACITY points on four channels (t, x, y, z) with three axes:
// X below, Y on the left, Z on the right, each linear (modes 0 to 3) or logarithmic
// (kLogAxis). Its state is public: the renderer, the reload and the tests read it directly.
// Failures return false and leave a code in lastError. Whoever shows the chart sets
// clientRect to the picture's size before Draw.
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
    bool SetXRange(double min, double max);
    bool SetYRange(double min, double max);
    bool SetZRange(double min, double max);
    void AddPoint(double t, double x, double y);
    void Thin();

    void AutoScale();
    double Scale(double value, char axis);
    static double NiceCeil(double v);
    static double NiceFloor(double v);
    int EngExponent(double v);

    bool Draw(IDrawSurface* pDC);
    // Where the last Draw put the Y dot of slot i, or nothing where it drew none.
    std::optional<PixelPoint> DotCentre(int i);
    // The same for the Z dot, drawn only with the Z axis.
    std::optional<PixelPoint> ZDotCentre(int i);

    RECT clientRect;
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
    int plotLeft, plotTop, plotRight, plotBottom;
    int xTickPx, yTickPx, zTickPx;
    double xStep, yStep, zStep;
    int xExp, yExp, zExp;
    bool showZAxis;
    bool showZeroLine;
    int lastError;
    // Margins, font and dots follow the client size (see LayoutFor); off, the classic layout.
    bool scaleLayoutWithSize = false;
    // Leave out the dots and the zero line where they fall outside the frame (while a part of
    // the plane is viewed, so they never cover the labels).
    bool clipToFrame = false;

  private:
    // Failures EngExponent has raised, so AutoScale can tell whether a rescale raised one.
    int exponentFailures_ = 0;

    // The limits (as bits), exponents and modes AutoScale works from.
    struct ScaleState {
        std::uint64_t limits[6];
        int exponents[3];
        int modes[3];
        friend bool operator==(const ScaleState&, const ScaleState&) = default;
    };
    ScaleState scaleState() const;
    void rescale();
    // A state that AutoScale maps onto itself without raising anything.
    std::optional<ScaleState> settled_;
};

// Failure codes left in lastError.
enum ChartError : int {
    kErrNoSurface = -110,
    kErrXRange = -1001,
    kErrYRange = -1002,
    kErrZRange = -1003,
    kErrLogTooLarge = -1007,
    kErrLogTooSmall = -1008,
    kErrAxisSelector = -1009,
};
