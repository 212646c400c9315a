#pragma once

#include <string>

// Cause codes of a failed file operation, as the file layer's exceptions number them.
enum FileFailureCause : int {
    kCauseGeneric = 1,   // reading a line failed
    kCauseBadSeek = 9,   // measuring the length failed
    kCauseDiskFull = 13, // closing failed
    kCauseRefused = 20,  // the file was read, and is no measurement Korvane can show
};

// A failure of the file layer that ended a reload early.
struct FileFailure {
    int cause = 0;
    int osError = 0; // the system's error number
    std::string fileName;
    // Why a refused file is refused, in words.
    std::string reason;
};
