#pragma once

#include "DrawSurface.h"

#include <QImage>

// A bitmap for the Qt surfaces: an image in the screen's 32-bit colour format
// (QImage::Format_RGB32), the only one a surface selects.
class QtBitmap final : public ISurfaceBitmap {
  public:
    explicit QtBitmap(QImage picture) : image(std::move(picture)) {}
    QImage image;
};
