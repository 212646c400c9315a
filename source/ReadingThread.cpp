#include "ReadingThread.h"

#include <algorithm>
#include <utility>

ReadingThread::ReadingThread(std::function<void()> finished)
    : thread_([this](Job job, const std::atomic<bool>& stop) { return read(job, stop); },
              std::move(finished)) {}

std::vector<ReadResult> ReadingThread::read(const Job& job, const std::atomic<bool>& stop) {
    const auto forgotten = [&job](const auto& entry) {
        return std::find(job.paths.begin(), job.paths.end(), entry.first) == job.paths.end();
    };
    std::erase_if(readings_, forgotten);
    std::erase_if(checks_, forgotten);
    std::vector<ReadResult> results;
    for (const std::string& path : job.paths) {
        // The files after a stop keep where their reads ended, for the read that follows.
        if (stop) {
            results.emplace_back().stopped = true;
            continue;
        }
        auto& reading = readings_[path];
        if (!reading)
            reading = std::make_unique<LiveReading>();
        ReadResult& result = results.emplace_back(reading->Read(path, stop));
        if (result.series && !result.stopped) {
            result.checks = checks_[path].Check(*result.series, job.kk, stop);
            result.stopped = stop;
        }
    }
    return results;
}
