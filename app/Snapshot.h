#pragma once

#include "ModernSnapshot.h"

// Draws the diagram of one reload of `file` (with "+" ticked when `plus`, with equal scales
// when `equalScales`, the Bode diagram when `bode`) into a plot area of `size`, exactly as the
// dialog shows it after one tick, and writes it to `output` ("-" for standard output, as a PNG) in
// the format its ending names: PNG, SVG or PDF. Returns what went wrong, or nothing when the
// picture was written. Before anything is read, an output that may not be written is refused;
// nothing is written when the file cannot be read.
std::optional<QString> WriteSnapshot(const std::string& file, const std::string& output, bool plus,
                                     QSize size, bool equalScales = false, bool bode = false,
                                     const SnapshotLook& look = {});
// The same for several files overlaid, as the window overlays them; the classic look shows
// the first alone. None of the files may be the output.
std::optional<QString> WriteSnapshot(const std::vector<std::string>& files,
                                     const std::string& output, bool plus, QSize size,
                                     bool equalScales = false, bool bode = false,
                                     const SnapshotLook& look = {});
