#include "ClassicChartImage.h"

#include "QtDrawSurface.h"
#include "chart/CurveChart.h"

QImage ClassicChartImage(CCurveChart& chart, QSize size) {
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    chart.clientRect = {0, 0, size.width(), size.height()};
    QtDrawSurface surface(&image);
    if (!chart.Draw(&surface))
        return {};
    return image;
}
