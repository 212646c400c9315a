#include "ExportJob.h"

#include "DataExport.h"

#include <utility>

ExportJob::ExportJob(std::string measurement, std::string output, std::function<void()> ended)
    : ended_(std::move(ended)),
      thread_([this, measurement = std::move(measurement), output = std::move(output)] {
          const auto piece = [this](std::string_view text) {
              if (cancel_) {
                  end_.cancelled = true;
                  return false;
              }
              written_ += text.size();
              return true;
          };
          end_.problem = ExportData(measurement, output, nullptr, piece);
          if (end_.cancelled)
              end_.problem.reset();
          ended_();
      }) {}

ExportJob::~ExportJob() {
    Cancel();
    if (thread_.joinable())
        thread_.join();
}

ExportJob::End ExportJob::Finish() {
    if (thread_.joinable())
        thread_.join();
    return end_;
}
