#include "AppRegistry.h"

#include "Version.h"

#include <QApplication>

namespace {
RegisteredApp* registered = nullptr;
}

RegisteredApp::RegisteredApp() {
    registered = this;
}

RegisteredApp::~RegisteredApp() {
    if (registered == this)
        registered = nullptr;
}

RegisteredApp* RegisteredApp::Registered() {
    return registered;
}

int RunRegisteredApp(int argc, char** argv) {
    RegisteredApp* app = RegisteredApp::Registered();
    if (app == nullptr)
        return 1;
    app->PrepareStart(argc, argv);
    QApplication application(argc, argv);
    // The application's name stays the executable's: message boxes show it as caption.
    QApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
    if (app->InitInstance())
        return QApplication::exec();
    return app->ExitCode();
}
