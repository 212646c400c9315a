#include "CommandApp.h"
#include "CommandLine.h"
#include "DisplayChoice.h"
#include "ModuleParts.h"

int main(int argc, char** argv) {
    // Decided before the toolkit starts, so that a module is loaded before anything is made.
    switch (ToolkitPartFor({argv, argv + argc}, IsOwnOption)) {
    case ToolkitPart::Core:
        break;
    case ToolkitPart::Gui:
        return RunPicturePart(argc, argv);
    case ToolkitPart::Widgets:
        return RunWindowPart(argc, argv);
    }
    CommandApp app;
    return RunCoreApp(app, argc, argv);
}
