#include "IoError.h"

#include <cerrno>
#include <cstring>

IoError IoErrorFromErrno(IoStep step, std::string path) {
    return IoError{step, errno != 0 ? errno : EIO, std::move(path)};
}

std::optional<IoError> AtPath(std::optional<IoError> error, const std::string& path) {
    if (error)
        error->path = path;
    return error;
}

namespace {

// What failed, where "cannot read" or "cannot write" before the reason does not say it.
const char* stepWords(IoStep step) {
    switch (step) {
    case IoStep::Examine:
    case IoStep::Open:
    case IoStep::Create:
    case IoStep::ListFolder:
    case IoStep::Read:
    case IoStep::Write:
        return nullptr;
    case IoStep::Measure:
        return "its length could not be measured";
    case IoStep::Seek:
        return "the place where the last read ended could not be reached";
    case IoStep::Sync:
        return "it could not be saved to the disk";
    case IoStep::Close:
        return "it could not be closed";
    case IoStep::Rename:
        return "it could not be put in place";
    }
    return nullptr;
}

} // namespace

std::string IoErrorText(const IoError& error) {
    if (error.number == 0)
        return "not a regular file";
    const std::string reason = std::strerror(error.number);
    const char* what = stepWords(error.step);
    return what == nullptr ? reason : std::string(what) + " (" + reason + ")";
}
