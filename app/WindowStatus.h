#pragma once

#include "chart/NumberStyle.h"

#include <QString>
#include <QTime>

#include <string>

// What the main window knows about its file, said in the one line of its status bar.
struct FileStatus {
    enum class State { NoFile, Waiting, Read, Gone, Unreadable };
    State state = State::NoFile;
    QString name;   // the file's name, without its folder
    QString format; // the title of its format
    long long points = 0;
    QTime readAt; // when it was last read well
    QString reason;
};

QString StatusLine(const FileStatus& status, const NumberStyle& numbers);

// The title a format is shown under ("Gamry DTA" for "gamry-dta"); a name without one
// stays as it is.
QString FormatTitle(const std::string& name);

// Why a file that exists cannot be read, in the system's words ("Permission denied").
QString WhyUnreadable(const std::string& path);
