#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

// An opaque chart image as a PNG, marked as the program's own and recording the image's dots
// per meter, or nothing when it could not be encoded. Each row is filtered by the row above
// and compressed in runs: a chart is mostly flat colour, and this is both smaller and about
// twice as fast as letting the encoder try every filter on every row.
std::optional<QByteArray> ChartPng(const QImage& image);
