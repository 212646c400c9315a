#pragma once

#include "ReadResult.h"

#include <string>
#include <vector>

// Whole reads begun before they are asked for, on a thread of their own: a picture's files are
// read while the toolkit starts, which takes about as long. Both calls come from one thread.

// Begins reading `files` in order. Without a thread to be had, nothing is begun.
void BeginReadingAhead(const std::vector<std::string>& files);

// The read begun for `path` once it has ended, or a whole read of it done now when none was.
ReadResult WholeReadOf(const std::string& path);
