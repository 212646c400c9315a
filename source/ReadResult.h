#pragma once

#include "SweepChecks.h"
#include "measurement/io/IoError.h"
#include "model/Series.h"

#include <optional>
#include <string>

// What one read of the measurement file leaves for the window: the points taken in so far,
// shared rather than copied, or why the read ended early. Its size is bounded by the
// points kept, never by the file's.
struct ReadResult {
    // A readable regular file was found; false leaves nothing to show.
    bool found = false;
    // The read was stopped from outside before it ended; the result shows nothing.
    bool stopped = false;
    // The step that failed and ended the read early.
    std::optional<IoError> error;
    // Why the file read is no measurement Korvane can show, in words.
    std::string refusal;
    // Null when nothing was read.
    SeriesSnapshot series;
    // The name of the file's format, once the read ended well.
    std::string format;
    // Its last record is cut short, and the file stopped growing: it will stay so.
    bool recordCutShort = false;
    // The Kramers-Kronig check of each sweep of `series`.
    SweepChecks checks;

    bool failed() const { return error || !refusal.empty(); }
};
