#pragma once

#include "chart/NumberStyle.h"
#include "measurement/io/IoError.h"

#include <QString>
#include <QTime>

#include <optional>
#include <string>

// What the main window knows about its file, said in the one line of its status bar.
struct FileStatus {
    enum class State { NoFile, Waiting, Reading, Read, Gone, Unreadable };
    State state = State::NoFile;
    QString name;   // the file's name, without its folder
    QString format; // the title of its format
    long long points = 0;
    bool cutShort = false; // the last record is cut short, and no more comes
    QTime readAt;          // when it was last read well
    QString reason;
};

QString StatusLine(const FileStatus& status, const NumberStyle& numbers);

// The title a format is shown under ("Gamry DTA" for "gamry-dta"); a name without one
// stays as it is.
QString FormatTitle(const std::string& name);

// Why a file cannot be read: the reason it is refused, or the failed step in the system's
// words ("Permission denied"), or that what is there (an error number of 0) is no file that
// can be read.
QString FailureReason(const std::optional<IoError>& error, const std::string& refusal);
