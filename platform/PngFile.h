#pragma once

#include <QImage>
#include <QString>

#include <optional>

// Writes the image to `path` as a PNG. Returns the reason it could not, leaving no partial
// file behind, or nothing when it was written.
std::optional<QString> WritePng(const QImage& image, const QString& path);
