#pragma once

#include "DrawSurface.h"
#include "platform/ChartPicture.h"

#include <QByteArray>
#include <QSize>

#include <functional>
#include <optional>

// Draws the diagram onto the surface it is given; false when drawing failed.
using PictureDrawer = std::function<bool(IDrawSurface&)>;

// An SVG or PDF document of `size` pixels drawn through `draw`, or nothing when the
// drawing or the document failed.
std::optional<QByteArray> VectorPicture(VectorKind kind, QSize size, const PictureDrawer& draw);
