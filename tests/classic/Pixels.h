#pragma once

#include <QColor>

#include <limits>

// Values the classic look's tests compare pictures and ranges with.
inline constexpr QRgb kWhitePx = qRgb(255, 255, 255);
inline constexpr QRgb kRedPx = qRgb(255, 0, 0);
inline constexpr QRgb kGreenPx = qRgb(0, 255, 0);
inline constexpr QRgb kBluePx = qRgb(0, 0, 255);
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
