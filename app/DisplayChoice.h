#pragma once

#include "platform/AppStart.h"

#include <string>
#include <string_view>
#include <vector>

// Whether the arguments (the program's name first) ask only for an answer that needs no
// window: a snapshot, an export, --info, the help or the version.
bool AsksForNoWindow(const std::vector<std::string>& arguments);

// How much of the toolkit a run needs: the core alone for an answer in text or CSV, the GUI
// without widgets for a modern snapshot, the widgets for a window, a classic picture, or any
// argument that is not one of Korvane's own options (`ownOption` tells them by name), which the
// full toolkit might take as its own (-platform, --style, ...).
ToolkitPart ToolkitPartFor(const std::vector<std::string>& arguments,
                           bool (*ownOption)(std::string_view name));

// Whether the toolkit's off-screen platform is chosen before it starts: when no window is
// asked for, or when there is no display to show one on. Never over a platform the user
// chose, in the environment or with -platform.
bool ChoosesOffscreen(const std::vector<std::string>& arguments, bool displayInEnvironment,
                      bool platformInEnvironment);

// The one line said when the window is asked for but cannot be shown.
inline constexpr const char* kNeedsDisplay =
    "korvane: the window needs a display, and none was found; --snapshot works without one, "
    "and so does running it under xvfb-run";
