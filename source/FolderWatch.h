#pragma once

#include "measurement/io/IoError.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The newest measurement files of one folder, looked at once a tick, for an instrument that
// starts a new file for every sweep. Only the folder's own entries count, never those of its
// subfolders: regular files (also through a link) whose first bytes read as a measurement, or
// that are still empty under a name a format's files are written under. Hidden files,
// Korvane's temporary outputs and its own exports never count; FIFOs, devices and folders are
// never opened.
//
// A look lists the folder once and asks each name's type and times; a file's head is read
// only while it is not judged yet as it stands (the same file, size and modification time),
// so a folder of thousands of files costs a listing and a stat each. A file that only grew
// keeps its judgement once its head was seen whole, so a growing measurement costs no read.
class FolderWatch {
  public:
    explicit FolderWatch(std::string folder);

    // The paths of the newest `count` measurement files (fewer when the folder holds fewer),
    // newest first by modification time; of two with the same time, the name that sorts later
    // is newer, as a writer numbering its files means it. Nothing when the folder cannot be
    // listed, and Error() says why. Once `stop` is set the look ends early with nothing.
    std::vector<std::string> Newest(std::size_t count, const std::atomic<bool>* stop = nullptr);

    // Why the last look could not list the folder, or nothing when it could.
    const std::optional<IoError>& Error() const { return error_; }
    // Whether the last look's newest file is another than the newest the look before it
    // found (any, for the first look). A look that failed changes nothing.
    bool NewestChanged() const { return newestChanged_; }

    const std::string& Folder() const { return folder_; }

  private:
    struct Judgement {
        std::uint64_t inode = 0;
        std::int64_t size = -1;
        std::int64_t seconds = 0; // modification time
        std::int64_t nanoseconds = 0;
        bool measurement = false;
        std::uint64_t lastSeen = 0; // the look that last listed it
    };
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    struct Candidate {
        std::int64_t seconds;
        std::int64_t nanoseconds;
        const std::string* name;
    };
    using Judgements = std::unordered_map<std::string, Judgement, NameHash, std::equal_to<>>;

    // The judgement of a listed name when it counts as a measurement, else nullptr.
    const Judgements::value_type* judge(int folderFd, const char* name, unsigned char type);
    bool readsAsMeasurement(std::string_view name);
    void keepIfNewer(const Candidate& candidate, std::size_t count);
    static bool newer(const Candidate& a, const Candidate& b);

    std::string folder_;
    std::string prefix_;            // the folder with one slash after it
    Judgements judgements_;         // by name
    std::vector<Candidate> newest_; // a heap whose top is the oldest kept
    std::string head_;
    std::string previousNewest_;
    std::uint64_t looks_ = 0;
    std::size_t listed_ = 0; // of the judgements, those the present look listed
    std::optional<IoError> error_;
    bool newestChanged_ = false;
};
