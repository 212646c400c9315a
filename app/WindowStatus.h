#pragma once

#include "source/FileFailure.h"

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

QString StatusLine(const FileStatus& status);

// The title a format is shown under ("Gamry DTA" for "gamry-dta"); a name without one
// stays as it is.
QString FormatTitle(const std::string& name);

// Why a file cannot be read: the reason it is refused, or the system's words ("Permission
// denied"), or that what is there is no file that can be read.
QString FailureReason(const FileFailure& failure);
