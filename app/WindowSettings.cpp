#include "WindowSettings.h"

#include <QSettings>

#include <algorithm>

WindowSettings LoadWindowSettings(QSettings& store) {
    WindowSettings s;
    s.geometry = store.value(QStringLiteral("window/geometry")).toByteArray();
    s.lastFolder = store.value(QStringLiteral("files/lastFolder")).toString();
    s.recentFiles = store.value(QStringLiteral("files/recent")).toStringList();
    while (s.recentFiles.size() > kRecentFilesKept)
        s.recentFiles.removeLast();
    s.bode = store.value(QStringLiteral("view/bode"), false).toBool();
    s.equalScales = store.value(QStringLiteral("view/equalScales"), false).toBool();
    s.startAtZero = store.value(QStringLiteral("view/startAtZero"), false).toBool();
    s.sweeps = std::clamp(store.value(QStringLiteral("view/sweeps"), 0).toInt(), 0, 2);
    s.lastFiles = std::clamp(store.value(QStringLiteral("view/lastFiles"), 1).toInt(), 1, 10);
    return s;
}

void SaveWindowSettings(QSettings& store, const WindowSettings& s) {
    if (!store.isWritable())
        return;
    store.setValue(QStringLiteral("window/geometry"), s.geometry);
    store.setValue(QStringLiteral("files/lastFolder"), s.lastFolder);
    store.setValue(QStringLiteral("files/recent"), s.recentFiles);
    store.setValue(QStringLiteral("view/bode"), s.bode);
    store.setValue(QStringLiteral("view/equalScales"), s.equalScales);
    store.setValue(QStringLiteral("view/startAtZero"), s.startAtZero);
    store.setValue(QStringLiteral("view/sweeps"), s.sweeps);
    store.setValue(QStringLiteral("view/lastFiles"), s.lastFiles);
    store.sync();
}

QStringList WithRecentFile(QStringList recent, const QString& path) {
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentFilesKept)
        recent.removeLast();
    return recent;
}
