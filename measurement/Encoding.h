#pragma once

#include "LineReader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The encodings a measurement file may come in. Only ASCII tokens and numbers matter to the
// readers, so UTF-8 and cp1252 text is read as it is; UTF-16 is turned into UTF-8 line by
// line.
enum class TextEncoding : std::uint8_t { Utf8, Utf8Bom, Utf16LE, Utf16BE, Cp1252 };

struct EncodingGuess {
    TextEncoding encoding = TextEncoding::Utf8;
    std::size_t bomSize = 0; // bytes of the byte-order mark, which belong to no line
    friend bool operator==(const EncodingGuess&, const EncodingGuess&) = default;
};

// Tells the encoding from the file's first bytes: a byte-order mark names UTF-8 or UTF-16;
// otherwise text that is valid UTF-8 is UTF-8 (a character cut at the end of a `head` that
// is not the whole file is forgiven), and anything else is cp1252/Latin-1.
EncodingGuess GuessEncoding(std::string_view head, bool wholeFile);

// How the lines of text in `encoding` are found in its bytes.
TextUnits UnitsOf(TextEncoding encoding);

// A short name for --info: "utf-8", "utf-8 (BOM)", "utf-16le", "utf-16be", "cp1252".
const char* EncodingName(TextEncoding encoding);

// The length of the UTF-8 sequence at the start of `s` (1 to 4), 0 when it is not valid
// UTF-8, or -1 when the end of `s` cuts it off.
int Utf8SequenceLength(std::string_view s);

// Whether `bytes` is well-formed UTF-8. With `mayBeCut`, a character cut short at the very
// end is allowed.
bool IsUtf8(std::string_view bytes, bool mayBeCut = false);

// Appends the UTF-8 form of UTF-16 units; an unpaired surrogate or an odd byte at the end
// becomes U+FFFD.
void AppendUtf8FromUtf16(std::string_view bytes, bool bigEndian, std::string& out);

// Appends the UTF-8 form of cp1252 text (bytes 0x80 to 0x9F as Windows maps them, the rest
// as Latin-1; the five unassigned bytes become U+FFFD).
void AppendUtf8FromCp1252(std::string_view bytes, std::string& out);
