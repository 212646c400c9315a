#include "ReadAhead.h"

#include "Reload.h"

#include <atomic>
#include <future>
#include <optional>
#include <system_error>

namespace {
// Reads nobody took are stopped as the program ends, rather than waited for.
struct Ahead {
    std::vector<std::string> files;
    std::atomic<bool> stop{false};
    std::future<std::vector<ReadResult>> reads;
    std::vector<std::optional<ReadResult>> results; // each handed out once
    ~Ahead() { stop.store(true); }
};
Ahead ahead;
} // namespace

void BeginReadingAhead(const std::vector<std::string>& files) {
    try {
        ahead.reads = std::async(std::launch::async, [files] {
            std::vector<ReadResult> reads;
            for (const std::string& file : files)
                reads.push_back(ReadWholeFile(file, nullptr, &ahead.stop));
            return reads;
        });
        ahead.files = files;
    } catch (const std::system_error&) {
        ahead.files.clear();
    }
}

ReadResult WholeReadOf(const std::string& path) {
    if (ahead.reads.valid())
        for (ReadResult& read : ahead.reads.get())
            ahead.results.emplace_back(std::move(read));
    for (std::size_t i = 0; i < ahead.files.size() && i < ahead.results.size(); ++i)
        if (ahead.files[i] == path && ahead.results[i]) {
            ReadResult read = std::move(*ahead.results[i]);
            ahead.results[i].reset();
            return read;
        }
    return ReadWholeFile(path, nullptr);
}
