#pragma once

#include "DrawSurface.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

enum class PictureKind { Png, Svg, Pdf };

// The kind of picture a file's name asks for by its ending (any case): .svg, .pdf, else PNG.
PictureKind PictureKindOf(const QString& path);

// Draws the diagram onto the surface it is given; false when drawing failed.
using PictureDrawer = std::function<bool(IDrawSurface&)>;

// An SVG or PDF document of `size` pixels drawn through `draw`, or nothing when the
// drawing or the document failed.
std::optional<QByteArray> VectorPicture(PictureKind kind, QSize size, const PictureDrawer& draw);

// Writes the picture in the format the path's ending names: the bitmap as a PNG, or a
// document drawn through `draw` at `size`. Returns the reason it could not.
std::optional<QString> WritePictureFile(const QString& path, const QImage& image, QSize size,
                                        const PictureDrawer& draw);
