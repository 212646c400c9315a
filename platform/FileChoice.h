#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <string_view>

// The longest file dialog title, in bytes.
inline constexpr size_t TITLE_MAX_CHARS = 40;

// The folder of a program path, with its trailing separator and without a drive letter.
std::string ProgramDirectory(std::string_view programPath);

// The file dialog's title for a folder: the folder itself when it fits in 40 bytes,
// otherwise "..." and its tail. The cut never splits a UTF-8 character: it moves forward to
// the next character, so such a title can be a few bytes shorter.
std::string FileDialogTitle(std::string_view directory);

// The name part of a path.
std::string FileNameOf(std::string_view path);

// Whether anything at all (file, folder, link) is found under the path.
bool AnythingExistsAt(const std::string& path);

// The file system's own bytes for a path the toolkit handed over as text. A name that is
// not valid UTF-8 does not survive the trip through text (its bad bytes read as U+FFFD), so
// such a name is looked up in its folder: it stands for the one entry that reads the same,
// and for nothing when none or several do. Never a guess at another file.
std::optional<std::string> FileSystemPath(const QString& chosen);

// A path's bytes as text, as well as the toolkit can show them.
QString DisplayPath(const std::string& path);

// The same on one line, for a message that must stay one: control characters are written as
// `ls -b` writes them (\n, \t, \033), and a backslash as \\.
QString OneLinePath(const std::string& path);

// The Open dialog's filters: "FILE(*.txt)" (in force when it opens), "FILE(*.*)", then
// "Measurement files" with every format's name patterns.
QStringList MeasurementNameFilters();
