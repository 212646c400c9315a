#include "ModuleParts.h"
#include "PictureApp.h"

#include <QGuiApplication>

extern "C" int korvane_run_picture(int argc, char** argv) {
    PictureApp app;
    app.PrepareStart(argc, argv);
    return RunWith<QGuiApplication>(app, argc, argv);
}
