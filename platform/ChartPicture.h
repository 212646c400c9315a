#pragma once

#include "chart/Painter.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPainter;

// Draws a chart of widthPx x heightPx pixels through the painter it is given.
using ChartDrawer = std::function<void(Painter&, double widthPx, double heightPx)>;

enum class VectorKind { Svg, Pdf };

// An SVG or PDF document of `sizePx` pixels at `dpi` (one pixel is 1/dpi inch), drawn by
// `draw` on a painter of that many pixels; false from `draw` fails it. Nothing when the
// drawing or the document failed.
std::optional<QByteArray> VectorDocument(VectorKind kind, QSize sizePx, double dpi,
                                         const QString& title,
                                         const std::function<bool(QPainter&)>& draw);

// The chart on white, drawn in `sizePx` pixels; the image records `dpi`, so a PNG saved from
// it carries its physical size. With a devicePixelRatio above 1 the image holds that many
// more pixels each way and the drawer still works in `sizePx`. A null image when it failed.
// It is drawn over `canvas` when that has just as many pixels and nothing else holds it, so a
// window redrawn at one size paints on the same memory each time instead of mapping fresh
// pages for every picture.
QImage ChartImage(const ChartDrawer& draw, QSize sizePx, double dpi = kScreenDpi,
                  double devicePixelRatio = 1, QImage canvas = {});

// The chart as an SVG or PDF document of `sizePx` pixels at `dpi`: one drawer pixel is
// 1/dpi inch. Nothing when the document could not be made.
std::optional<QByteArray> ChartSvg(const ChartDrawer& draw, QSize sizePx, double dpi,
                                   const QString& title = QStringLiteral("Korvane chart"));
std::optional<QByteArray> ChartPdf(const ChartDrawer& draw, QSize sizePx, double dpi,
                                   const QString& title = QStringLiteral("Korvane chart"));

// Puts the chart on the clipboard as an image and as an SVG document together; false when
// either could not be made or there is no clipboard.
bool CopyChartToClipboard(const ChartDrawer& draw, QSize sizePx, double dpi);
