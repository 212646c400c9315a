#include "AppIcon.h"

QIcon MainFrameIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128, 256})
        icon.addFile(QStringLiteral(":/icons/korvane-%1.png").arg(size), QSize(size, size));
    return icon;
}
