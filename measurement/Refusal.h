#pragma once

#include <cstdint>
#include <string>

// Why a file was refused once its reading began (a binary layout the reader cannot follow,
// or text with no row of numbers); RefusalText (Reader.h) says it in words.
enum class Refusal : std::uint8_t {
    None,
    UnknownColumn,  // an .mpr column id of unknown width (`detail` is the id)
    NoImpedance,    // an .mpr without the frequency, Z' and -Z'' columns
    UnknownVersion, // an .mpr data module of a layout not known (`detail` is its version)
    LongColumnList, // an .mpr column list running into its records (`detail`: its length)
    ArraysPastEnd,  // an .ism whose sample arrays run past the end of the file
    BadJson,        // a session whose JSON does not parse
    TooLarge,       // a file read whole that is too large for its format
};

// A reader's refusal in one line, or nothing for None.
std::string RefusalWords(Refusal refusal, std::uint32_t detail);
