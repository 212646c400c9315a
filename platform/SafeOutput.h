#pragma once

#include <QString>

#include <sys/types.h>

#include <cstddef>
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

// A kind of output: what it is called in a refusal ("a PNG picture Korvane wrote"), and
// whether a file's first kMarkedHead bytes (or all of a shorter file) carry Korvane's mark.
// Only a file with the mark is ever replaced.
inline constexpr size_t kMarkedHead = 64 * 1024;
struct OutputKind {
    QString what;
    bool (*marked)(std::string_view head);
};

// Why an output must not be written to `path` (the file system's bytes), or nothing when it
// may: the name must be valid UTF-8; the file must not be `keep`; anything already there
// must be a regular file, not a link, that carries the kind's mark. Nothing but a regular
// file is ever opened, so a FIFO or a device is never waited on.
std::optional<QString> WhyNotOutput(const std::string& path,
                                    const std::optional<FileIdentity>& keep,
                                    const OutputKind& kind);

// Takes the output a piece at a time; false once a piece could not be written.
using PieceOutput = std::function<bool(std::string_view)>;
// Sends the whole output to the pieces. Returns why it could not; an empty reason when the
// caller reports the cause itself.
using OutputWriter = std::function<std::optional<QString>(const PieceOutput&)>;

// Called once the output is complete and before it is put in place, so that a test can
// change what the path holds just then.
using BeforePlacing = std::function<void()>;

// Writes through a new temporary file in the path's folder, synced and closed, then puts it
// in place in one step that decides as it goes: a new name is created without replacing
// anything, and an existing file is exchanged with the new one and examined, under
// WhyNotOutput's rules, once it is out of the way. Whatever fails, the temporary file goes
// and whatever was at the path stays. Returns why it could not, in one line.
std::optional<QString> WriteThroughTemporary(const std::string& path,
                                             const std::optional<FileIdentity>& keep,
                                             const OutputKind& kind, const OutputWriter& write,
                                             const BeforePlacing& beforePlacing = {});

// Writes all of `bytes` to an open descriptor (standard output). A closed pipe is a failed
// write, not a signal: SIGPIPE is ignored from here on.
std::optional<QString> WriteAllTo(int fd, std::string_view bytes);

// Whether a write of WriteAllTo found its pipe closed: whoever read the output has all they
// wanted, so the command ends quietly.
bool OutputPipeClosed();
