#include "WindowSettings.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

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
    s.sweeps = std::clamp(store.value(QStringLiteral("view/sweeps"), 0).toInt(), 0, 3);
    for (const QString& sweep : store.value(QStringLiteral("view/chosenSweeps")).toStringList())
        if (const int n = sweep.toInt();
            n > 0 && (s.chosenSweeps.empty() || n > s.chosenSweeps.back()))
            s.chosenSweeps.push_back(n);
    // Chosen sweeps that did not survive the reading leave every sweep shown.
    if (s.sweeps == 3 && s.chosenSweeps.empty())
        s.sweeps = 0;
    if (const QVariant connect = store.value(QStringLiteral("view/connectPoints"));
        connect.isValid())
        s.connectPoints = connect.toBool();
    if (const double points = store.value(QStringLiteral("view/markerSize")).toDouble();
        points >= kMarkerPtRange.min && points <= kMarkerPtRange.max)
        s.markerPt = points;
    s.lastFiles = std::clamp(store.value(QStringLiteral("view/lastFiles"), 1).toInt(), 1, 10);
    s.residuals = store.value(QStringLiteral("view/residuals"), false).toBool();
    s.kk.fit =
        static_cast<KkFit>(std::clamp(store.value(QStringLiteral("kk/fit"), 0).toInt(), 0, 2));
    // Values the check would refuse read as its defaults.
    const double mu = store.value(QStringLiteral("kk/mu"), s.kk.muLimit).toDouble();
    if (mu > 0 && mu <= 1)
        s.kk.muLimit = mu;
    const double limit = store.value(QStringLiteral("kk/limit"), s.kk.limitPercent).toDouble();
    if (limit > 0 && std::isfinite(limit))
        s.kk.limitPercent = limit;
    s.kk.capacitance = store.value(QStringLiteral("kk/capacitance"), false).toBool();
    PictureChoice& p = s.picture;
    p.widthPx =
        std::clamp(store.value(QStringLiteral("picture/width"), p.widthPx).toInt(), 1, 10000);
    p.heightPx =
        std::clamp(store.value(QStringLiteral("picture/height"), p.heightPx).toInt(), 1, 10000);
    p.dpi = std::clamp(store.value(QStringLiteral("picture/dpi"), p.dpi).toDouble(), 24.0, 2400.0);
    p.fontPt =
        std::clamp(store.value(QStringLiteral("picture/fontSize"), p.fontPt).toDouble(), 4.0, 72.0);
    p.inCm = store.value(QStringLiteral("picture/inCm"), false).toBool();
    if (const QString ending = store.value(QStringLiteral("picture/ending")).toString();
        ending == QLatin1String("png") || ending == QLatin1String("svg"))
        p.ending = ending;
    // A circuit written into the file by hand, unquoted, reads as a list split at its commas.
    s.fitCircuit = store.value(QStringLiteral("fit/circuit")).toStringList().join(QLatin1Char(','));
    s.fitWeight = std::clamp(store.value(QStringLiteral("fit/weight"), 0).toInt(), 0, 2);
    s.trendParameter = store.value(QStringLiteral("fit/trend")).toString();
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
    QStringList chosen;
    for (const int sweep : s.chosenSweeps)
        chosen.append(QString::number(sweep));
    store.setValue(QStringLiteral("view/chosenSweeps"), chosen);
    if (s.connectPoints)
        store.setValue(QStringLiteral("view/connectPoints"), *s.connectPoints);
    else
        store.remove(QStringLiteral("view/connectPoints"));
    store.setValue(QStringLiteral("view/markerSize"), s.markerPt);
    store.setValue(QStringLiteral("view/lastFiles"), s.lastFiles);
    store.setValue(QStringLiteral("view/residuals"), s.residuals);
    store.setValue(QStringLiteral("kk/fit"), static_cast<int>(s.kk.fit));
    store.setValue(QStringLiteral("kk/mu"), s.kk.muLimit);
    store.setValue(QStringLiteral("kk/limit"), s.kk.limitPercent);
    store.setValue(QStringLiteral("kk/capacitance"), s.kk.capacitance);
    store.setValue(QStringLiteral("picture/width"), s.picture.widthPx);
    store.setValue(QStringLiteral("picture/height"), s.picture.heightPx);
    store.setValue(QStringLiteral("picture/dpi"), s.picture.dpi);
    store.setValue(QStringLiteral("picture/fontSize"), s.picture.fontPt);
    store.setValue(QStringLiteral("picture/inCm"), s.picture.inCm);
    store.setValue(QStringLiteral("picture/ending"), s.picture.ending);
    store.setValue(QStringLiteral("fit/circuit"), s.fitCircuit);
    store.setValue(QStringLiteral("fit/weight"), s.fitWeight);
    store.setValue(QStringLiteral("fit/trend"), s.trendParameter);
    store.sync();
}

QStringList WithRecentFile(QStringList recent, const QString& path) {
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentFilesKept)
        recent.removeLast();
    return recent;
}

std::unique_ptr<QSettings> UserSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("korvane"), QStringLiteral("korvane"));
}
