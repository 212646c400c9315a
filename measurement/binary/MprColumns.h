#pragma once

#include <cstdint>

// The widths of the columns a BioLogic .mpr data module lists by id.

// Bytes a column takes in a record: 4 for float32, 8 for float64, 2 or 4 for the unsigned
// integers; 0 for an id whose width is not known.
int MprColumnWidth(std::uint16_t id);

// The flag ids (mode, ox/red, error, control changes, Ns changes, counter) share one byte,
// placed where the first of them stands.
bool IsMprFlagColumn(std::uint16_t id);

// The columns Korvane shows.
inline constexpr std::uint16_t kMprFrequency = 32; // freq/Hz, float32
inline constexpr std::uint16_t kMprReal = 37;      // Re(Z)/Ohm, float32
inline constexpr std::uint16_t kMprNegImag = 38;   // -Im(Z)/Ohm, float32, already negated
inline constexpr std::uint16_t kMprCycle = 24;     // cycle number, float64
