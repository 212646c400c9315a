#include "PlotApp.h"

int main(int argc, char** argv) {
    CPlotApp app;
    return RunApp(app, argc, argv);
}
