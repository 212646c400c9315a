#pragma once

#include <string>
#include <vector>

// Whether the arguments (the program's name first) ask only for an answer that needs no
// window: a snapshot, an export, --info, the help or the version.
bool AsksForNoWindow(const std::vector<std::string>& arguments);

// Whether the toolkit's off-screen platform is chosen before it starts: when no window is
// asked for, or when there is no display to show one on. Never over a platform the user
// chose, in the environment or with -platform.
bool ChoosesOffscreen(const std::vector<std::string>& arguments, bool displayInEnvironment,
                      bool platformInEnvironment);

// The one line said when the window is asked for but cannot be shown.
inline constexpr const char* kNeedsDisplay =
    "korvane: the window needs a display, and none was found; --snapshot works without one, "
    "and so does running it under xvfb-run";
