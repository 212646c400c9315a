#pragma once

// The reader of each format, and what they share. Internal to the measurement library.

#include "ReaderState.h"

#include <string_view>

void ReadGamryLine(ReaderState& state, std::string_view line, RowSink& sink);
void ReadBioLogicLine(ReaderState& state, std::string_view line, RowSink& sink);
void ReadZViewLine(ReaderState& state, std::string_view line, RowSink& sink);
void ReadChiLine(ReaderState& state, std::string_view line, RowSink& sink);
// Generic CSV/TSV, NOVA and PalmSens exports: tables found by their header rows.
void ReadTableLine(ReaderState& state, std::string_view line, RowSink& sink);

// Whether each reader, where it stands, takes `line` as a table row if it is one and does
// nothing more with it (TakesTableRow).
bool GamryTakesRow(const ReaderState& state, std::string_view line);
bool BioLogicTakesRow(const ReaderState& state, std::string_view line);
bool ZViewTakesRow(const ReaderState& state, std::string_view line);
bool ChiTakesRow(const ReaderState& state, std::string_view line);
bool TableTakesRow(const ReaderState& state, std::string_view line);

// Reads `line` as a row of the state's table and sends it. False when it is no row: fewer
// fields than the header, or a used field that is not a number.
bool SendTableRow(ReaderState& state, std::string_view line, RowSink& sink);

// Takes `line` as the table's header if its names map, telling the sink. True when taken.
bool TakeHeader(ReaderState& state, std::string_view line, Separator separator, RowSink& sink);

// Whether `line` starts with the field `name`, ended by a tab, a blank or the line's end.
bool StartsWithField(std::string_view line, std::string_view name);
