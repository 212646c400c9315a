#pragma once

#include <QIODevice>
#include <QString>

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The rules every file Korvane writes keeps: never over the measurement, never over a file
// it did not write itself, never a cut file left behind.

// Which file a path or descriptor leads to, through any links.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOfPath(const std::string& path);
std::optional<FileIdentity> IdentityOfDescriptor(int fd);

// Why an output must not be written to `path` (the file system's bytes), or nothing when it
// may: the name must be valid UTF-8; the file must not be `keep`; anything already there
// must be a regular file that begins with `signature`, or the refusal says it is not
// `what` ("a PNG picture"). Nothing but a regular file is ever opened, so a FIFO or a device
// is never waited on.
std::optional<QString> WhyNotOutput(const std::string& path,
                                    const std::optional<FileIdentity>& keep,
                                    std::string_view signature, const QString& what);

// Writes through a temporary file in the path's folder, renamed into place only once
// `write` has put all of it there; on any failure the temporary file goes and whatever was
// at the path stays. Returns why it could not.
using DeviceWriter = std::function<std::optional<QString>(QIODevice&)>;
std::optional<QString> WriteThroughTemporary(const std::string& path, const DeviceWriter& write);

// Writes all of `bytes` to an open descriptor (standard output). A closed pipe is reported,
// not a signal: SIGPIPE is ignored from here on.
std::optional<QString> WriteAllTo(int fd, std::string_view bytes);
