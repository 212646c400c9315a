#pragma once

#include "FolderLook.h"
#include "ReadResult.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ReadingThread;

// What a window shows: one file, several overlaid, or the newest files of a followed folder,
// each with what its reads gave. A tick reads every file shown on a thread of its own, so the
// window never waits for a file; the result is taken on the window's thread once the reading
// thread says it is there. Another choice of files stops the read under way, and the files
// chosen are read straight after; a result for files no longer shown is never taken in.
class ShownFiles {
  public:
    // Reading: there, but its first read is still under way.
    enum class State { Waiting, Reading, Read, Gone, Unreadable };
    struct File {
        std::string path;
        State state = State::Waiting;
        // Why the file cannot be read, while Unreadable: why it is refused, or the failed
        // step, with no system error number for something there that is no file to read.
        std::optional<IoError> error;
        std::string refusal;
        // The last read that gave points and ended well: what is drawn of the file, kept while
        // the file is gone or fails.
        std::optional<ReadResult> shown;
        std::chrono::system_clock::time_point readAt; // when `shown` was read
        // The latest read as it came, failed or not; a file gone keeps the read before it
        // when that held points, and `latestKept` says so.
        std::optional<ReadResult> latest;
        bool latestKept = false;
        // The file's place among the looks files are drawn in, taken as it joins and kept for
        // as long as it is shown: the lowest no other file shown holds.
        int look = 0;
    };

    // `finished` runs on the reading thread once a read has ended; it should only pass the
    // news on to the thread that calls Take.
    explicit ShownFiles(std::function<void()> finished);
    // Stops the read under way and waits for the thread, never for the file.
    ~ShownFiles();
    ShownFiles(const ShownFiles&) = delete;
    ShownFiles& operator=(const ShownFiles&) = delete;

    // A choice of files stops the read under way; a tick reads the files chosen, and so does
    // the take of the read stopped.

    // Shows `paths`, the first first; a file shown before keeps what was read of it. The
    // same files again change nothing. Ends the following of a folder.
    void Show(const std::vector<std::string>& paths);
    // Overlays those of `paths` not shown yet; false when every one was.
    bool Add(const std::vector<std::string>& paths);
    void Remove(const std::string& path);
    // Shows nothing, and follows no folder.
    void Clear();
    // Shows the newest `count` measurement files of `folder` from the next tick on, and newer
    // ones as they come. The folder is looked at beside the reads: a change of its newest
    // files stops the read under way. Only another set of files changes what is shown; the
    // same files in another order of age change nothing.
    void Follow(const std::string& folder, std::size_t count);
    // How many of the followed folder's newest files are shown from the next tick on.
    void SetFollowCount(std::size_t count) { followCount_ = count; }
    // How the sweeps are checked; a change stops the read under way, and the files shown are
    // checked anew at the next tick.
    void SetKkOptions(const KkOptions& options);

    // Starts a read of the files shown, unless one runs, and a look at the followed folder,
    // unless one runs.
    void Tick();
    // Takes a finished look and a finished read in. True when a read of the files shown was
    // taken; a read of files no longer shown is dropped and the files shown are read at once.
    bool Take();
    // Waits for the look and the read under way and takes them in, and for the read of the
    // files the look chose, for a caller that must see them; true as for Take.
    bool Finish();
    // Whether a read has started and its result not yet been taken.
    bool TickUnderWay() const { return reading_; }

    const std::vector<File>& Files() const { return files_; }
    std::vector<std::string> Paths() const;
    // Counts every change of the files shown, so a window knows when to show them anew.
    std::uint64_t Choice() const { return choice_; }
    // The folder followed, or nullptr.
    const FolderLook* Folder() const { return folder_.get(); }
    // The newest file the folder brought in place of the one shown before, and when; an
    // empty path before any.
    const std::string& SwitchedTo() const { return switchedTo_; }
    std::chrono::system_clock::time_point SwitchedAt() const { return switchedAt_; }

  private:
    void choose(const std::vector<std::string>& paths);
    void changed();
    bool shows(const std::string& path) const;
    // Shows the folder's newest files when they are another set; true when they were.
    bool adoptNewest(const std::vector<std::string>& newest);
    void startRead();
    void takeLook();
    void takeIn(File& file, ReadResult result);

    std::function<void()> finished_;
    std::vector<File> files_;
    std::unique_ptr<FolderLook> folder_;
    std::size_t followCount_ = 1;
    std::string switchedTo_;
    std::chrono::system_clock::time_point switchedAt_;
    std::uint64_t choice_ = 0;
    std::uint64_t choiceOfRead_ = 0;
    std::uint64_t kkChange_ = 0, kkChangeOfRead_ = 0;
    bool reading_ = false;
    bool lookWanted_ = false;
    // Last, so it goes first, stopping its read while everything it reports to exists.
    std::unique_ptr<ReadingThread> thread_;
};
