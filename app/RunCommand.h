#pragma once

#include "CommandLine.h"

#include <optional>

// Answers a command line that needs no window (the help, the version, a refusal, an export,
// --info, --kk, --fit) and gives its exit status; nothing for a snapshot or a window.
std::optional<int> RunCommand(const CommandLine& command);
