#pragma once

#include "PlainReader.h"
#include "ReaderState.h"

#include <string>
#include <string_view>

// Why a file that was read is not shown, in one line, or nothing: its head refused it, or
// its reader did. A file `watching` while it may grow is refused for holding text without a
// row of numbers only once it has more lines than the preamble of any format it may become.
std::string RefusalText(const Detection& detection, const ReaderState& state, bool watching);

// The reader of every format but the plain one.
void ReadFormattedLine(ReaderState& state, std::string_view line, RowSink& sink);

// Whether the reader of the state's format, where it stands, reads `line` as a row of its table
// (SendTableRow) and does nothing more with it when it is one: then a scan of the row made
// beforehand may stand in for the reading.
bool TakesTableRow(const ReaderState& state, std::string_view line);

// What reading a row of the state's table does once its values are read: the row is sent.
void SendTableValues(ReaderState& state, const RowValues& values, RowSink& sink);

// Reads one line (UTF-8 or single-byte text, without its line end) and sends the row it
// holds, if any, to `sink`.
template <typename Sink> void ReadLine(ReaderState& state, std::string_view line, Sink& sink) {
    ++state.lines;
    if (state.format == Format::Plain)
        ReadPlainLine(state, line, sink);
    else
        ReadFormattedLine(state, line, sink);
}
