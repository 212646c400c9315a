#include "ModuleParts.h"
#include "PlotApp.h"
#include "platform/AppStartWithGui.h"

extern "C" int korvane_run_window(int argc, char** argv) {
    CPlotApp app;
    return RunApp(app, argc, argv);
}
