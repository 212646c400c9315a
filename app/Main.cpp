#include "CommandApp.h"
#include "CommandLine.h"
#include "DisplayChoice.h"
#include "WindowPart.h"

int main(int argc, char** argv) {
    // Decided before the toolkit starts, so that the module is loaded before anything is made.
    if (ToolkitPartFor({argv, argv + argc}, IsOwnOption) != ToolkitPart::Core)
        return RunWindowPart(argc, argv);
    CommandApp app;
    return RunCoreApp(app, argc, argv);
}
