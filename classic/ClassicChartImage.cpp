#include "ClassicChartImage.h"

#include "ClassicStyle.h"
#include "CurveChart.h"
#include "QtDrawSurface.h"

PlotLayout ClassicLayout(const CCurveChart& chart, QSize size) {
    return LayoutFor({0, 0, size.width(), size.height()}, chart.scaleLayoutWithSize);
}

QImage ClassicChartImage(const CCurveChart& chart, const PlotLayout& layout, RenderResult* drawn) {
    const QSize size(layout.client.right - layout.client.left,
                     layout.client.bottom - layout.client.top);
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    QtDrawSurface surface(&image);
    RenderResult result = DrawClassicChart(chart, layout, surface);
    if (drawn != nullptr)
        *drawn = std::move(result);
    return image;
}
