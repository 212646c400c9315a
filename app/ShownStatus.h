#pragma once

#include "chart/NumberStyle.h"

#include <QString>

#include "source/ShownFiles.h"

// The main window's status line for what it shows: that of the first file, how many are
// overlaid and how many of them show nothing new ("3 files · 1 waiting"), and while a folder is
// followed, what it brought or why it shows nothing.
QString ShownStatusLine(const ShownFiles& shown, const NumberStyle& numbers);

// What an overlay's legend says after the name of a file in `state`: "waiting", "gone",
// "unreadable", or nothing for a file read.
QString ShownStateWord(ShownFiles::State state);

// The name in the status line that gives way when the line is too long: the first file's.
QString ShownStatusName(const ShownFiles& shown);

// The window's title: the first file's name, how many more are overlaid, and the program's.
QString ShownTitle(const ShownFiles& shown);
