#include "CommandApp.h"
#include "CommandLine.h"
#include "DisplayChoice.h"
#include "WindowPart.h"

int main(int argc, char** argv) {
    if (ToolkitPartFor({argv, argv + argc}, IsOwnOption) != ToolkitPart::Core)
        return RunWindowPart(argc, argv);
    CommandApp app;
    return RunCoreApp(app, argc, argv);
}
