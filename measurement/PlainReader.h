#pragma once

#include "NumberScanner.h"
#include "ReaderState.h"

#include <string_view>

// The reader of the plain format, inline: the reload of a plain file calls it for every
// line.

// What follows the scan of a line that put its first `count` numbers into the carried ones.
template <typename Sink>
void TakePlainNumbers(ReaderState& state, std::string_view line, int count, Sink& sink) {
    // stage 0: no row of three numbers seen yet.
    if (count < 3 && state.stage == 0) {
        state.sawText = state.sawText || line.find_first_not_of(" \t\r\f\v") != line.npos;
        return;
    }
    state.stage = 1;
    const std::uint32_t sweep = FollowSweep(state, state.carried[0]);
    sink.OnRow(
        Row{state.carried[0], state.carried[1], -state.carried[2], state.lines, state.rows, sweep});
    ++state.rows;
}

// Every line is a point once a line has given three numbers; the lines before it are a
// header, so text that only mentions numbers (an image's pixel list) gives no points. The
// three numbers are scanned as "%lf %lf %lf" would, and a number a line does not provide
// keeps the value an earlier line gave it.
template <typename Sink> void ReadPlainLine(ReaderState& state, std::string_view line, Sink& sink) {
    TakePlainNumbers(state, line, ScanThreeNumbers(line, state.carried), sink);
}
