#pragma once

#include "analysis/KkOptions.h"
#include "chart/ChartModel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QSettings;

// How Save Picture last wrote a picture, with the meaning of --size, --dpi and --font-size.
struct PictureChoice {
    int widthPx = 534, heightPx = 392;
    double dpi = 96;
    double fontPt = 9;
    bool inCm = false; // the size asked for in centimetres rather than pixels
    QString ending = QStringLiteral("pdf");
    friend bool operator==(const PictureChoice&, const PictureChoice&) = default;
};

// What the main window keeps from one run to the next.
struct WindowSettings {
    QByteArray geometry;
    QString lastFolder;
    QStringList recentFiles; // the latest first
    bool bode = false;
    bool equalScales = false;
    bool startAtZero = false;
    int sweeps = 0;                      // all, the last only, the last five, those chosen
    std::vector<int> chosenSweeps;       // ascending
    std::optional<bool> connectPoints{}; // unless chosen, as the sweeps and files suggest
    double markerPt = kMarkerPt;         // the dots' diameter
    int lastFiles = 1;                   // how many of a followed folder's newest files are shown
    bool residuals = false;
    KkOptions kk; // how the sweeps shown are checked
    PictureChoice picture;
    QString fitCircuit; // fitted to every sweep shown, as written; empty for none
    int fitWeight = 0;  // a FitWeight
    QString trendParameter;
};

inline constexpr int kRecentFilesKept = 10;
// View › Marker Size: small and large beside the medium kMarkerPt, in points.
inline constexpr double kSmallMarkerPt = 2.0;
inline constexpr double kLargeMarkerPt = 4.5;

// The store in the user's standard place, ~/.config/korvane/korvane.ini on Linux, where
// $XDG_CONFIG_HOME moves it.
std::unique_ptr<QSettings> UserSettings();

// Values that are missing or unreadable read as the defaults, and a store that cannot be
// written is left as it is: neither ever stops the program.
WindowSettings LoadWindowSettings(QSettings& store);
void SaveWindowSettings(QSettings& store, const WindowSettings& settings);

// `recent` with `path` first, once, and at most kRecentFilesKept entries.
QStringList WithRecentFile(QStringList recent, const QString& path);
