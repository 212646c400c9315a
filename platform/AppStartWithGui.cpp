#include "AppStartWithGui.h"

#include <QApplication>

int RunApp(StartableApp& app, int argc, char** argv) {
    app.PrepareStart(argc, argv);
    switch (app.Needs()) {
    case ToolkitPart::Core:
        return RunWith<QCoreApplication>(app, argc, argv);
    case ToolkitPart::Gui:
        return RunWith<QGuiApplication>(app, argc, argv);
    case ToolkitPart::Widgets:
        break;
    }
    return RunWith<QApplication>(app, argc, argv);
}
