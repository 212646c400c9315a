#include "PointsCsv.h"

#include "FitSweeps.h"
#include "KkCsv.h"
#include "KkSweeps.h"
#include "measurement/ShortestNumber.h"
#include "model/Quantity.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <deque>
#include <optional>

namespace {

void appendNumber(double value, std::string& text, bool float32 = false) {
    // The sign of a NaN or a zero says nothing about the measurement.
    if (std::isnan(value)) {
        text += "nan";
        return;
    }
    if (value == 0.0)
        value = 0.0;
    AppendShortest(value, float32, text);
}

// Collects the header and the lines and hands them on in large pieces; after a failed piece
// it takes no more and stops the read. A check or a fit holds a sweep's rows back until the
// sweep is read; with both, the fit's columns wait in `fitColumns_` for the check's.
class CsvSink final : public RowSink {
  public:
    CsvSink(const TextOutput& out, const KkOptions* kk, const CsvFit* fit, bool float32)
        : out_(out), pending_(kPointsCsvHeader), float32_(float32) {
        if (kk != nullptr)
            pending_ += kKkCsvColumns;
        if (fit != nullptr)
            pending_ += kFitCsvColumns;
        pending_ += '\n';
        if (kk != nullptr)
            kk_.emplace(
                *kk,
                [this](std::span<const Row> rows, const KkResult& result) {
                    for (std::size_t i = 0; i < rows.size(); ++i) {
                        beginLine(rows[i]);
                        AppendKkCsvColumns(result, i, pending_);
                        if (fit_) {
                            pending_ += fitColumns_.front();
                            fitColumns_.pop_front();
                        }
                        pending_ += '\n';
                    }
                },
                nullptr);
        if (fit != nullptr)
            fit_.emplace(
                fit->circuit, fit->options,
                [this, &circuit = fit->circuit](std::uint32_t, std::span<const Row> rows,
                                                const FitResult& result) {
                    for (const Row& row : rows) {
                        std::string columns;
                        AppendFitCsvColumns(circuit, result, row.frequency, columns);
                        fitted(row, std::move(columns));
                    }
                },
                [this](std::span<const Row> rows) {
                    for (const Row& row : rows)
                        fitted(row, ",,");
                });
    }

    void OnRow(const Row& row) override {
        if (failed())
            return;
        if (fit_)
            fit_->OnRow(row);
        else if (kk_)
            kk_->OnRow(row);
        else
            AppendCsvLine(row, pending_, float32_);
        if (pending_.size() >= kPiece)
            flush();
    }
    // The rows a fit or a check still holds back.
    void finish() {
        if (fit_ && !failed())
            fit_->Finish();
        if (kk_ && !failed())
            kk_->Finish();
    }
    bool flush() {
        if (!failed() && !pending_.empty() && !out_(pending_))
            stop_ = true;
        pending_.clear();
        return !failed();
    }
    bool failed() const { return stop_.load(std::memory_order_relaxed); }
    const std::atomic<bool>* stop() const { return &stop_; }

  private:
    // A line without its end, for columns to follow.
    void beginLine(const Row& row) {
        AppendCsvLine(row, pending_, float32_);
        pending_.pop_back();
    }
    void fitted(const Row& row, std::string columns) {
        if (kk_) {
            fitColumns_.push_back(std::move(columns));
            kk_->OnRow(row);
            return;
        }
        beginLine(row);
        pending_ += columns;
        pending_ += '\n';
    }

    static constexpr std::size_t kPiece = 64 * 1024;
    const TextOutput& out_;
    std::string pending_;
    bool float32_;
    std::atomic<bool> stop_ = false;
    std::optional<KkSweeps> kk_;
    std::optional<FitSweeps> fit_;
    std::deque<std::string> fitColumns_;
};

} // namespace

void AppendCsvNumber(double value, std::string& text) {
    appendNumber(value, text);
}

void AppendCsvLine(const Row& row, std::string& text, bool float32) {
    Point point;
    point.f = row.frequency;
    point.zReal = row.real;
    point.minusZImag = row.negImag;
    for (const Quantity q : {Quantity::Frequency, Quantity::ZReal, Quantity::MinusZImag}) {
        appendNumber(ValueOf(point, q), text, float32);
        text += ',';
    }
    for (const Quantity q : {Quantity::Magnitude, Quantity::Phase}) {
        appendNumber(ValueOf(point, q), text);
        text += ',';
    }
    char digits[24];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, row.line).ptr);
    text += '\n';
}

CsvExportEnd WritePointsCsv(const MeasurementFile& file, const TextOutput& out, const KkOptions* kk,
                            const CsvFit* fit) {
    CsvExportEnd end;
    LineReader reader(file.fd.get(), ReadLimit(file.size));
    ReadOutcome outcome;
    if (!BeginReading(reader, outcome)) {
        end.readError = AtPath(outcome.error, file.path);
        return end;
    }
    CsvSink sink(out, kk, fit, StoresFloat32(outcome.detection.format));
    reader.setStop(sink.stop());
    ReadLines(reader, file.size, sink, {}, outcome);
    sink.finish();
    if (!outcome.error && !sink.failed())
        end.refusal = RefusalText(outcome.detection, outcome.state, false);
    // A file is refused before its first row, so nothing of it is sent, not even the header.
    end.outputFailed = end.refusal.empty() ? !sink.flush() : sink.failed();
    if (!end.outputFailed)
        end.readError = AtPath(outcome.error, file.path);
    return end;
}
