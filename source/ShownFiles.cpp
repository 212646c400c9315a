#include "ShownFiles.h"

#include "ReadingThread.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace {

// Why something at `path` that a read could not open cannot be read: the system's error
// number, or none for something there that is no file to read. Nothing when nothing is there.
std::optional<IoError> unreadableAt(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::lstat(path.c_str(), &info) != 0)
        return std::nullopt;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    int error = errno;
    if (fd >= 0) {
        error = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) ? EISDIR : 0;
        ::close(fd);
    }
    return IoError{IoStep::Open, error, path};
}

} // namespace

ShownFiles::ShownFiles(std::function<void()> finished)
    : finished_(finished), thread_(std::make_unique<ReadingThread>(std::move(finished))) {}

ShownFiles::~ShownFiles() = default;

std::vector<std::string> ShownFiles::Paths() const {
    std::vector<std::string> paths;
    paths.reserve(files_.size());
    for (const File& file : files_)
        paths.push_back(file.path);
    return paths;
}

void ShownFiles::Show(const std::vector<std::string>& paths) {
    if (folder_) {
        folder_.reset();
        switchedTo_.clear();
        ++choice_;
    }
    choose(paths);
}

bool ShownFiles::Add(const std::vector<std::string>& paths) {
    std::vector<std::string> chosen = Paths();
    for (const std::string& path : paths)
        if (std::find(chosen.begin(), chosen.end(), path) == chosen.end())
            chosen.push_back(path);
    if (chosen.size() == files_.size())
        return false;
    Show(chosen);
    return true;
}

void ShownFiles::Remove(const std::string& path) {
    std::vector<std::string> rest = Paths();
    std::erase(rest, path);
    Show(rest);
}

void ShownFiles::Clear() {
    Show({});
}

void ShownFiles::Follow(const std::string& folder, std::size_t count) {
    choose({});
    folder_ = std::make_unique<FolderLook>(folder, finished_);
    followCount_ = count;
    switchedTo_.clear();
    ++choice_;
}

void ShownFiles::SetKkOptions(const KkOptions& options) {
    thread_->SetKkOptions(options);
    ++kkChange_;
    thread_->Cancel();
}

void ShownFiles::choose(const std::vector<std::string>& paths) {
    std::vector<std::string> once;
    for (const std::string& path : paths)
        if (std::find(once.begin(), once.end(), path) == once.end())
            once.push_back(path);
    if (once == Paths())
        return;
    std::vector<File> chosen;
    std::vector<int> looks;
    std::vector<std::size_t> joined;
    for (const std::string& path : once) {
        const auto before = std::find_if(files_.begin(), files_.end(),
                                         [&path](const File& file) { return file.path == path; });
        if (before != files_.end()) {
            looks.push_back(before->look);
            chosen.push_back(std::move(*before));
        } else {
            joined.push_back(chosen.size());
            chosen.emplace_back();
            chosen.back().path = path;
            struct stat info {};
            if (::lstat(path.c_str(), &info) == 0)
                chosen.back().state = State::Reading;
        }
    }
    for (const std::size_t i : joined) {
        int look = 0;
        while (std::find(looks.begin(), looks.end(), look) != looks.end())
            ++look;
        chosen[i].look = look;
        looks.push_back(look);
    }
    files_ = std::move(chosen);
    ++choice_;
    // The read under way is of files no longer shown: its result only ends it sooner.
    thread_->Cancel();
}

bool ShownFiles::shows(const std::string& path) const {
    return std::any_of(files_.begin(), files_.end(),
                       [&path](const File& file) { return file.path == path; });
}

bool ShownFiles::adoptNewest(const std::vector<std::string>& newest) {
    // An empty or unlistable folder leaves what is shown; its error says why. The same files
    // in another order of age are what is shown already.
    if (newest.empty() || (newest.size() == files_.size() &&
                           std::all_of(newest.begin(), newest.end(),
                                       [this](const std::string& path) { return shows(path); })))
        return false;
    if (!files_.empty() && !shows(newest.front())) {
        switchedTo_ = newest.front();
        switchedAt_ = std::chrono::system_clock::now();
    }
    choose(newest);
    return true;
}

void ShownFiles::Tick() {
    lookWanted_ = folder_ != nullptr;
    takeLook();
    startRead();
}

void ShownFiles::takeLook() {
    if (!folder_)
        return;
    if (const auto newest = folder_->Take(); newest && adoptNewest(*newest))
        startRead();
    // A tick during a look has its own look once that one is taken.
    if (lookWanted_ && folder_->Start(followCount_))
        lookWanted_ = false;
}

void ShownFiles::startRead() {
    if (reading_ || files_.empty())
        return;
    reading_ = thread_->Start(Paths());
    choiceOfRead_ = choice_;
    kkChangeOfRead_ = kkChange_;
}

bool ShownFiles::Take() {
    takeLook();
    std::optional<std::vector<ReadResult>> results = thread_->Take();
    if (!results)
        return false;
    reading_ = false;
    const bool stopped = std::any_of(results->begin(), results->end(),
                                     [](const ReadResult& result) { return result.stopped; });
    if (choiceOfRead_ != choice_ || kkChangeOfRead_ != kkChange_ || stopped ||
        results->size() != files_.size()) {
        startRead();
        return false;
    }
    for (std::size_t i = 0; i < files_.size(); ++i)
        takeIn(files_[i], std::move((*results)[i]));
    return true;
}

bool ShownFiles::Finish() {
    const std::uint64_t choice = choice_;
    while (folder_ && folder_->UnderWay()) {
        folder_->Wait();
        takeLook();
    }
    // Files a look chose are waited for until they are read.
    bool read = false;
    while (reading_ && !read) {
        thread_->Wait();
        read = Take();
        if (choice_ == choice)
            break;
    }
    return read;
}

void ShownFiles::takeIn(File& file, ReadResult result) {
    file.latestKept = !result.found && !result.failed() && file.latest && file.latest->series;
    if (result.failed()) {
        file.state = State::Unreadable;
        file.error = result.error;
        file.refusal = result.refusal;
    } else if (!result.found) {
        file.error = unreadableAt(file.path);
        file.refusal.clear();
        file.state = file.error ? State::Unreadable : file.shown ? State::Gone : State::Waiting;
    } else if (result.series) {
        file.state = State::Read;
        file.error.reset();
        file.refusal.clear();
        file.shown = result;
        file.readAt = std::chrono::system_clock::now();
    }
    if (!file.latestKept)
        file.latest = std::move(result);
}
