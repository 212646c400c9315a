#include "VectorPicture.h"

#include "VectorSurface.h"

#include <QPainter>

std::optional<QByteArray> VectorPicture(VectorKind kind, QSize size, const PictureDrawer& draw) {
    if (!draw)
        return std::nullopt;
    // Logical pixels are 1/96 inch, as on the screen.
    return VectorDocument(kind, size, 96, QStringLiteral("Nyquist diagram"),
                          [&draw](QPainter& painter) {
                              VectorSurface surface(painter);
                              return draw(surface);
                          });
}
