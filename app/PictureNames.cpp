#include "PictureNames.h"

#include <QDir>
#include <QFileInfo>

QString SuggestedPicturePath(const QString& dataPath, const QString& diagram,
                             const QString& ending) {
    const QFileInfo data(dataPath);
    return data.absoluteDir().filePath(data.completeBaseName() + QLatin1Char('-') + diagram +
                                       QLatin1Char('.') + ending);
}

QString FreeName(const QString& path, const std::function<bool(const QString&)>& taken) {
    if (!taken(path))
        return path;
    const QFileInfo file(path);
    const QString stem = file.absoluteDir().filePath(file.completeBaseName());
    const QString ending = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    // Far more than anyone keeps; past it the name is left for the user to change.
    for (int n = 2; n < 10000; ++n)
        if (const QString other = QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(ending);
            !taken(other))
            return other;
    return path;
}
