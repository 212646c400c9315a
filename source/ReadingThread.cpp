#include "ReadingThread.h"

#include <algorithm>
#include <utility>

ReadingThread::ReadingThread(std::function<void()> finished)
    : finished_(std::move(finished)), thread_([this] { run(); }) {}

ReadingThread::~ReadingThread() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        stop_ = true;
        stopFits_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool ReadingThread::Start(std::vector<std::string> paths) {
    {
        std::lock_guard lock(mutex_);
        if (job_ || reading_now_ || result_)
            return false;
        job_ = std::move(paths);
    }
    changed_.notify_all();
    return true;
}

std::optional<std::vector<ReadResult>> ReadingThread::Take() {
    std::lock_guard lock(mutex_);
    return std::exchange(result_, std::nullopt);
}

void ReadingThread::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !job_ && !reading_now_; });
}

void ReadingThread::Cancel() {
    std::lock_guard lock(mutex_);
    if (job_ || reading_now_) {
        stop_ = true;
        stopFits_ = true;
    }
}

void ReadingThread::CancelFits() {
    std::lock_guard lock(mutex_);
    if (reading_now_)
        stopFits_ = true;
}

void ReadingThread::SetFitChoice(const FitChoice& choice) {
    std::lock_guard lock(mutex_);
    fitChoice_ = choice;
}

void ReadingThread::SetKkOptions(const KkOptions& options) {
    std::lock_guard lock(mutex_);
    kkOptions_ = options;
}

void ReadingThread::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return quit_ || job_; });
        if (quit_)
            return;
        const std::vector<std::string> paths = std::move(*job_);
        job_.reset();
        reading_now_ = true;
        const KkOptions options = kkOptions_;
        const FitChoice fitChoice = fitChoice_;
        lock.unlock();
        const auto forgotten = [&paths](const auto& entry) {
            return std::find(paths.begin(), paths.end(), entry.first) == paths.end();
        };
        std::erase_if(readings_, forgotten);
        std::erase_if(checks_, forgotten);
        std::erase_if(fits_, forgotten);
        std::vector<ReadResult> results;
        for (const std::string& path : paths) {
            auto& reading = readings_[path];
            if (!reading)
                reading = std::make_unique<LiveReading>();
            ReadResult& result = results.emplace_back(reading->Read(path, stop_));
            if (result.series && !result.stopped) {
                result.checks = checks_[path].Check(*result.series, options, stop_);
                if (fitChoice.circuit)
                    result.fits = fits_[path].Fit(*result.series, fitChoice, stopFits_);
                result.stopped = stop_;
            }
        }
        lock.lock();
        reading_now_ = false;
        if (!quit_) {
            stop_ = false;
            stopFits_ = false;
        }
        result_ = std::move(results);
        lock.unlock();
        changed_.notify_all();
        finished_();
        lock.lock();
    }
}
