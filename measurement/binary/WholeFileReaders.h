#pragma once

#include "measurement/MeasurementFile.h"

#include <string>

// Formats that are read whole at once: a file that grows is read again from its start.
// Reads all `length` bytes of `reader`'s file into `bytes`; false, with the error or the
// refusal in `outcome`, when they cannot be had.
bool ReadAllBytes(const LineReader& reader, std::uint64_t length, std::string& bytes,
                  ReadOutcome& outcome);

// Zahner Thales .ism: every stored sample in file order; a new sweep where the frequency
// turns back.
void ReadIsmSamples(std::string_view bytes, RowSink& sink, ReaderState& state);

// PalmSens PSTrace .pssession: every impedance curve of every measurement, each a sweep.
void ReadPalmSensSession(std::string_view bytes, RowSink& sink, ReaderState& state);
