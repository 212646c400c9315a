#include "ReadEveryRow.h"

#include "CommandOutput.h"
#include "measurement/MeasurementFile.h"
#include "measurement/Refusal.h"
#include "platform/WhyNotRead.h"

std::optional<QString> ReadEveryRow(const std::string& file, RowSink& sink) {
    const MeasurementFile opened = OpenMeasurementFile(file);
    if (!opened)
        return CannotRead(file, WhyNotRead(opened.error));
    LineReader reader(opened.fd.get(), ReadLimit(opened.size));
    const ReadOutcome outcome = ReadMeasurement(reader, opened.size, sink);
    const std::string refusal =
        outcome.error ? std::string() : RefusalText(outcome.detection, outcome.state, false);
    if (outcome.error || !refusal.empty())
        return CannotRead(file, WhyNotRead(AtPath(outcome.error, opened.path), refusal));
    return std::nullopt;
}
