#pragma once

#include <string_view>

// Whether a file whose first bytes are `head` (at most LineReader::kHeadSize, all of the file
// when fewer) is a measurement by its content alone: an instrument's own binary or JSON file,
// text that tells a format Korvane reads, or plain text with a row of numbers. Refused content
// and text without a single row are not.
bool HeadIsMeasurement(std::string_view head);
