#pragma once

#include <QSize>
#include <QString>

#include <optional>
#include <string>

// Draws the diagram of one reload of `file` (with "+" ticked when `plus`, with equal scales
// when `equalScales`) into a plot area of `size`, exactly as the dialog shows it after one
// tick, and writes it to `output` as a PNG, or as an SVG or PDF when its name ends so.
// Returns what went wrong, or nothing when the picture was written. Nothing is written when
// the file cannot be read.
std::optional<QString> WriteSnapshot(const std::string& file, const QString& output, bool plus,
                                     QSize size, bool equalScales = false);
