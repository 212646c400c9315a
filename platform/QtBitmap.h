#pragma once

#include "DrawSurface.h"

#include <QImage>

// A bitmap for the Qt surfaces: an image in the screen's 32-bit colour format.
class QtBitmap final : public ISurfaceBitmap {
  public:
    explicit QtBitmap(QImage picture) : image(std::move(picture)) {}
    QImage image;
};
