#include "PngFile.h"

#include <QFile>
#include <QImageWriter>

std::optional<QString> WritePng(const QImage& image, const QString& path) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return out.errorString();
    QImageWriter writer(&out, "png");
    if (writer.write(image) && out.flush())
        return std::nullopt;
    const QString reason = out.error() != QFile::NoError ? out.errorString() : writer.errorString();
    out.remove();
    return reason;
}
