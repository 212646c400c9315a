#pragma once

#include "Format.h"
#include "Reader.h"

#include <string>

// Why a file that was read is not shown, in one line, or nothing: its head refused it, or
// its reader did. A file `watching` while it may grow is refused for holding text without a
// row of numbers only once it has more lines than the preamble of any format it may become.
std::string RefusalText(const Detection& detection, const ReaderState& state, bool watching);
