#pragma once

// The window and the classic look live in one module, the modern pictures in a smaller one
// without the widgets. Each is loaded only for a run that needs it, so that the commands
// without a window start without the GUI's libraries, and a picture without the widgets'. A
// module shows one name: its entry, which runs the whole program.
inline constexpr const char* kWindowEntry = "korvane_run_window";
inline constexpr const char* kPictureEntry = "korvane_run_picture";
extern "C" int korvane_run_window(int argc, char** argv);
extern "C" int korvane_run_picture(int argc, char** argv);

// Load their module and hand the run to its entry, before any application object exists; a
// module that cannot be loaded is said in one line, with exit status 1.
int RunWindowPart(int argc, char** argv);
int RunPicturePart(int argc, char** argv);
