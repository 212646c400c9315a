#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// The main window's questions to the user, each in the toolkit's own dialog; nothing when
// cancelled.

// Measurement files to open, several to overlay, starting in `folder`.
QStringList AskForMeasurementFiles(QWidget* parent, const QString& folder);
// A folder to follow, starting in `folder`.
std::optional<QString> AskForFolder(QWidget* parent, const QString& folder);
// Where to export the points, suggesting `suggested`.
std::optional<QString> AskForExportPath(QWidget* parent, const QString& suggested);
