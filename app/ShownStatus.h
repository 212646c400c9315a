#pragma once

#include <QString>

class ShownFiles;

// The main window's status line for what it shows: that of the first file, how many more
// are overlaid, and while a folder is followed, what it brought or why it shows nothing.
QString ShownStatusLine(const ShownFiles& shown);

// The window's title: the first file's name, how many more are overlaid, and the program's.
QString ShownTitle(const ShownFiles& shown);
