#include "VectorPicture.h"

#include "VectorSurface.h"

#include <QPainter>

std::optional<QByteArray> VectorPicture(VectorKind kind, QSize size, const PictureDrawer& draw) {
    if (!draw)
        return std::nullopt;
    // Logical pixels are the screen's.
    return VectorDocument(kind, size, kScreenDpi, QStringLiteral("Nyquist diagram"),
                          [&draw](QPainter& painter) {
                              VectorSurface surface(painter);
                              return draw(surface);
                          });
}
