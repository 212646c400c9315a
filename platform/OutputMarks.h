#pragma once

#include <QString>

#include <string_view>

// The marks Korvane leaves in every picture it writes, and how a file's first bytes are
// found to carry them: only such a file is ever replaced by a new picture.

// A PNG's text chunk "Software", an SVG's description and a PDF's Creator.
inline constexpr std::string_view kPngMarkKey = "Software";
inline const QString kMarkAuthor = QStringLiteral("Korvane");
inline const QString kSvgMark = QStringLiteral("Drawn by Korvane");

bool PngMarked(std::string_view head);
bool SvgMarked(std::string_view head);
bool PdfMarked(std::string_view head);
