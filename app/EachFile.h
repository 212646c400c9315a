#pragma once

#include <QString>
#include <QTextStream>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// How a command that reads a FILE serves several: one after another, a failure of one not
// stopping the others.

// Runs `print` for each file. One file's output goes to `out` as it is; of several, each
// non-empty block is headed "file: PATH" and set apart from the one before by an empty line.
// Returns the highest exit status.
int PrintEach(const std::vector<std::string>& files, QTextStream& out,
              const std::function<int(const std::string& file, QTextStream& out)>& print);

// Where a table of `file` goes in `folder` (which ends in /): its name with .csv for its
// ending, DIR/A.csv for a/A.txt.
std::string PathInFolder(const std::string& folder, const std::string& file);

// Runs `write` for each file and its path in `folder`, saying each failure on `err`; returns 1
// when one failed. Two files that would share a name, or a name that is one of the files, are
// refused before anything is written.
int WriteEach(const std::vector<std::string>& files, const std::string& folder, QTextStream& err,
              const std::function<std::optional<QString>(const std::string& file,
                                                         const std::string& output)>& write);
