#pragma once

#include "Encoding.h"
#include "Table.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The file formats Korvane reads.
enum class Format : std::uint8_t {
    Plain,           // three blank-separated numbers a line, numbers carried over
    GamryDta,        // Gamry Framework .DTA, its ZCURVE table
    BioLogicMpt,     // BioLogic EC-Lab / BT-Lab ASCII export .mpt
    ZView,           // Scribner ZPlot/ZView .z, "ZPLOT2 ASCII" or the quoted legacy layout
    Chi,             // CH Instruments "A.C. Impedance" text export
    Nova,            // Metrohm Autolab NOVA ASCII export
    PalmSensCsv,     // PalmSens PSTrace CSV export
    Csv,             // any table with a header row, or comma-separated f, Z', Z'' without one
    BioLogicMpr,     // BioLogic EC-Lab / BT-Lab binary .mpr, also while it is being written
    ZahnerIsm,       // Zahner Thales binary .ism
    PalmSensSession, // PalmSens PSTrace session .pssession, UTF-16 JSON
};

// Whether the format is read line by line; the others are read by their own binary or JSON
// layout.
inline bool IsLineFormat(Format format) {
    return format != Format::BioLogicMpr && format != Format::ZahnerIsm &&
           format != Format::PalmSensSession;
}

// Whether the format stores f, Z' and -Z'' as float32, so that they are written in the
// shortest form of a float32.
inline bool StoresFloat32(Format format) {
    return format == Format::BioLogicMpr;
}

// The short name --info prints: plain, gamry-dta, biologic-mpt, zview, chi, nova,
// palmsens-csv, csv, biologic-mpr, zahner-ism, palmsens-pssession.
const char* FormatName(Format format);

// The endings of the names the formats' files are written under, each with its point, in
// the case instruments usually write them: ".txt", ".DTA", ... A name may carry them in any.
std::span<const std::string_view> MeasurementFileEndings();

// The file name patterns of every format, for the Open dialog: "*.txt *.TXT *.DTA *.dta ...".
const char* MeasurementFilePatterns();

// What the start of a file says about how to read it.
struct Detection {
    Format format = Format::Plain;
    EncodingGuess encoding;
    // How the fields of a table are separated (header-based formats and CSV).
    Separator separator = Separator::Blanks;
    // For Csv: false when the file has no header and its columns are f, Z', Z''.
    bool header = true;
    // What ends a line: LF (a CR before it dropped), or CR alone in a text with no LF, as old
    // Macs wrote.
    char lineEnd = '\n';
    // Why the file is not read at all, or empty: a header names no impedance columns. Its
    // columns are never guessed by position.
    std::string refusal;
    friend bool operator==(const Detection&, const Detection&) = default;
};

// Tells the format from the file's first bytes (at most LineReader::kHeadSize, all of them
// when `wholeFile`), never from its name. Binary content of no known layout, compressed data
// and images are refused; a file that is recognised as nothing else is Plain.
Detection DetectFormat(std::string_view head, bool wholeFile);
