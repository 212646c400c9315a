#pragma once

#include <QTextStream>

#include <string>

// `korvane --info FILE`: prints what Korvane understands of the file to `out` and returns
// 0, or says why it cannot be read on `err` and returns 1.
int PrintFileInfo(const std::string& file, QTextStream& out, QTextStream& err);
