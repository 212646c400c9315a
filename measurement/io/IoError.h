#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the program was doing with a file or folder when the system refused.
enum class IoStep : std::uint8_t {
    Examine,    // asking a path what it is, or a file already there for its first bytes
    Open,       // opening a file
    Create,     // making a new file
    ListFolder, // listing a folder's entries
    Measure,    // asking an open file its size
    Seek,       // going to where the previous read ended
    Read,       // reading a file's bytes
    Write,      // writing a file's bytes
    Sync,       // having the written bytes reach the disk
    Close,      // closing a file
    Rename,     // putting a finished file in place under its name
};

// A failed step of input or output: the step, the system's error number (0 when a path that
// was examined or opened names something other than a regular file) and the path.
struct IoError {
    IoStep step = IoStep::Read;
    int number = 0;
    std::string path;
    bool operator==(const IoError&) const = default;
};

// The step with the error number errno holds now (EIO when it holds none), for `path`.
IoError IoErrorFromErrno(IoStep step, std::string path = {});

// `error`, if any, for `path`: the reader of a descriptor does not know the path it reads.
std::optional<IoError> AtPath(std::optional<IoError> error, const std::string& path);

// The error in words for the user, without the path, in the system's encoding: the system's
// reason ("Permission denied"), or "not a regular file". A step that "cannot read" or "cannot
// write" before it does not already say is named first: "it could not be closed (Input/output
// error)".
std::string IoErrorText(const IoError& error);
