#include "FolderWatch.h"

#include "MeasurementName.h"
#include "export/PointsCsv.h"
#include "measurement/MeasurementFile.h"
#include "measurement/MeasurementHead.h"
#include "measurement/io/ReadBytesAt.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace {

struct ListingCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

} // namespace

FolderWatch::FolderWatch(std::string folder)
    : folder_(std::move(folder)),
      prefix_(folder_.empty() || folder_.back() == '/' ? folder_ : folder_ + '/') {}

std::vector<std::string> FolderWatch::Newest(std::size_t count, const std::atomic<bool>* stop) {
    ++looks_;
    listed_ = 0;
    newest_.clear();
    const std::unique_ptr<DIR, ListingCloser> listing(::opendir(folder_.c_str()));
    if (!listing) {
        error_ = IoErrorFromErrno(IoStep::ListFolder, folder_);
        newestChanged_ = false;
        return {};
    }
    const int folderFd = ::dirfd(listing.get());
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(listing.get());
        if (entry == nullptr)
            break;
        if (stop != nullptr && *stop)
            return {};
        const auto* judged = judge(folderFd, entry->d_name, entry->d_type);
        if (judged != nullptr && count > 0)
            keepIfNewer({judged->second.seconds, judged->second.nanoseconds, &judged->first},
                        count);
    }
    // A listing cut short could hide the newest file and offer an older one instead.
    if (errno != 0) {
        error_ = IoErrorFromErrno(IoStep::ListFolder, folder_);
        newestChanged_ = false;
        return {};
    }
    error_.reset();

    std::sort_heap(newest_.begin(), newest_.end(), newer);
    std::vector<std::string> paths;
    paths.reserve(newest_.size());
    for (const Candidate& candidate : newest_)
        paths.push_back(prefix_ + *candidate.name);
    // Names gone from the folder are forgotten, so the judgements never outgrow it.
    if (judgements_.size() > listed_)
        std::erase_if(judgements_, [this](const auto& j) { return j.second.lastSeen != looks_; });

    const std::string_view first = paths.empty() ? std::string_view() : paths.front();
    newestChanged_ = first != previousNewest_;
    previousNewest_.assign(first);
    return paths;
}

const FolderWatch::Judgements::value_type* FolderWatch::judge(int folderFd, const char* name,
                                                              unsigned char type) {
    const std::string_view view(name);
    if (NeverFollowed(view))
        return nullptr;
    // The listing's type spares a stat for what can never count; a link and a file system
    // that gives no type need one.
    if (type != DT_REG && type != DT_LNK && type != DT_UNKNOWN)
        return nullptr;
    struct stat info {};
    if (::fstatat(folderFd, name, &info, 0) != 0 || !S_ISREG(info.st_mode))
        return nullptr;

    auto found = judgements_.find(view);
    if (found == judgements_.end())
        found = judgements_.emplace(std::string(view), Judgement{}).first;
    Judgement& judgement = found->second;
    if (judgement.lastSeen != looks_) {
        judgement.lastSeen = looks_;
        ++listed_;
    }
    const Judgement now{static_cast<std::uint64_t>(info.st_ino),
                        static_cast<std::int64_t>(info.st_size),
                        static_cast<std::int64_t>(info.st_mtim.tv_sec),
                        static_cast<std::int64_t>(info.st_mtim.tv_nsec),
                        false,
                        looks_};
    const bool same = now.inode == judgement.inode && now.size == judgement.size &&
                      now.seconds == judgement.seconds && now.nanoseconds == judgement.nanoseconds;
    // What was appended after a head seen whole cannot change what the head says.
    const bool headSeen = judgement.measurement
                              ? judgement.size > 0
                              : judgement.size >= std::int64_t(LineReader::kHeadSize);
    const bool grewOnly = now.inode == judgement.inode && now.size > judgement.size && headSeen;
    if (!same) {
        const bool measurement = grewOnly ? judgement.measurement : readsAsMeasurement(view);
        judgement = now;
        judgement.measurement = measurement;
    }
    return judgement.measurement ? &*found : nullptr;
}

// A file that cannot be opened or read counts as none until it changes, so it costs no
// attempt a tick. A name a format's files are written under counts while it is still empty,
// as a sweep just begun is; what Korvane exported itself never does.
bool FolderWatch::readsAsMeasurement(std::string_view name) {
    const MeasurementFile file = OpenMeasurementFile(prefix_ + std::string(name));
    if (!file || !ReadBytesAt(file.fd.get(), 0, LineReader::kHeadSize, head_))
        return false;
    if (head_.empty())
        return HasMeasurementEnding(name);
    return !std::string_view(head_).starts_with(kPointsCsvHeader) && HeadIsMeasurement(head_);
}

void FolderWatch::keepIfNewer(const Candidate& candidate, std::size_t count) {
    if (newest_.size() < count) {
        newest_.push_back(candidate);
        std::push_heap(newest_.begin(), newest_.end(), newer);
    } else if (newer(candidate, newest_.front())) {
        std::pop_heap(newest_.begin(), newest_.end(), newer);
        newest_.back() = candidate;
        std::push_heap(newest_.begin(), newest_.end(), newer);
    }
}

bool FolderWatch::newer(const Candidate& a, const Candidate& b) {
    if (a.seconds != b.seconds)
        return a.seconds > b.seconds;
    if (a.nanoseconds != b.nanoseconds)
        return a.nanoseconds > b.nanoseconds;
    return *a.name > *b.name;
}
