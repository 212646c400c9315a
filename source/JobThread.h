#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

// A thread of its own that does one job at a time for a caller that must never wait for it:
// a job and the taking of its result make one round, and no other job starts until the result
// was taken.
template <class Job, class Result> class JobThread {
  public:
    // `work` runs on the thread and should end early once `stop` is set; `finished` runs there
    // after each job and should only pass the news on to the thread that takes the result.
    using Work = std::function<Result(Job, const std::atomic<bool>& stop)>;
    JobThread(Work work, std::function<void()> finished)
        : work_(std::move(work)), finished_(std::move(finished)), thread_([this] { run(); }) {}
    // Stops a running job and waits for the thread.
    ~JobThread() {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
            stop_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    JobThread(const JobThread&) = delete;
    JobThread& operator=(const JobThread&) = delete;

    // Starts `job`; false, starting nothing, while a job runs or its result waits.
    bool Start(Job job) {
        {
            std::lock_guard lock(mutex_);
            if (job_ || working_ || result_)
                return false;
            job_ = std::move(job);
        }
        changed_.notify_all();
        return true;
    }
    // The finished job's result, once; nothing while working or when nothing was done.
    std::optional<Result> Take() {
        std::lock_guard lock(mutex_);
        return std::exchange(result_, std::nullopt);
    }
    // Waits until no job is running.
    void Wait() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !job_ && !working_; });
    }
    // Stops the job under way, or the one about to start: its result comes as any other.
    void Cancel() {
        std::lock_guard lock(mutex_);
        if (job_ || working_)
            stop_ = true;
    }
    // Whether a job has started and its result not yet been taken.
    bool Busy() const {
        std::lock_guard lock(mutex_);
        return job_ || working_ || result_;
    }

  private:
    void run() {
        std::unique_lock lock(mutex_);
        for (;;) {
            changed_.wait(lock, [this] { return quit_ || job_; });
            if (quit_)
                return;
            Job job = std::move(*job_);
            job_.reset();
            working_ = true;
            lock.unlock();
            Result result = work_(std::move(job), stop_);
            lock.lock();
            working_ = false;
            if (!quit_)
                stop_ = false;
            result_ = std::move(result);
            lock.unlock();
            changed_.notify_all();
            finished_();
            lock.lock();
        }
    }

    Work work_;
    std::function<void()> finished_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> job_;
    bool working_ = false;
    std::optional<Result> result_;
    bool quit_ = false;
    std::atomic<bool> stop_{false};
    // Last, so it starts once everything it uses exists.
    std::thread thread_;
};
