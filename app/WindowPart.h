#pragma once

// The window, the classic look and the pictures live in a module of their own, loaded only
// for a run that needs them, so that the commands without a window start without the GUI's
// libraries. The module shows one name: its entry, which runs the whole program.
inline constexpr const char* kWindowEntry = "korvane_run_window";
extern "C" int korvane_run_window(int argc, char** argv);

// Loads the module and hands the run to its entry, before any application object exists;
// a module that cannot be loaded is said in one line, with exit status 1.
int RunWindowPart(int argc, char** argv);
