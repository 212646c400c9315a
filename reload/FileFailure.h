#pragma once

#include <string>

// Cause codes of a failed file operation, as the file layer's exceptions number them.
enum FileFailureCause : int {
    kCauseGeneric = 1,   // reading a line failed
    kCauseBadSeek = 9,   // measuring the length failed
    kCauseDiskFull = 13, // closing failed
};

// A failure of the file layer that ended a reload early.
struct FileFailure {
    int cause = 0;
    int osError = 0; // the system's error number
    std::string fileName;
};
