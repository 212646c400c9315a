#pragma once

#include "platform/SafeOutput.h"

#include <QByteArray>
#include <QString>
#include <QTextStream>

#include <optional>
#include <string>
#include <string_view>

// What the commands that read a measurement and write a file share: their words, and the rule
// that nothing is written over the measurement.

// The output name that stands for standard output.
inline constexpr std::string_view kStandardOutput = "-";

// "cannot read FILE: reason" and "cannot write OUT: reason", the output "-" named standard
// output.
QString CannotRead(const std::string& file, const QString& reason);
QString CannotWrite(const std::string& output, const QString& reason);

// The rules of a kind of output for a path: why not, or nothing.
using OutputRules = std::optional<QString> (*)(const std::string& path,
                                               const std::optional<FileIdentity>& keep);

// Why `output` must not be written, keeping `measurement` whole: the kind's rules for a path,
// and for standard output that it does not lead to the measurement itself.
std::optional<QString> WhyNotWritable(const std::string& measurement, const std::string& output,
                                      OutputRules rules);

// How a command that answers on standard output ends, once it has given `exitCode` and
// perhaps a `problem` ("cannot write OUT: ..."): `text` is written to standard output, and a
// failed write or the problem is said in one line on `err`, with exit status 1. A closed
// pipe says nothing and ends with `exitCode`: its reader stopped reading on purpose.
int EndCommand(int exitCode, const std::optional<QString>& problem, const QByteArray& text,
               QTextStream& err);
