#include "AppStart.h"

#include "res/Version.h"

#include <QCoreApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
StartableApp* starting = nullptr;

// What the toolkit says while it starts, held back: if it cannot reach a display it dies
// with a fatal message, and then the application says so in its own words instead.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
QtMessageHandler toolkitHandler = nullptr;

void holdStartMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fflush(stdout);
        std::_Exit(starting->OnNoDisplay());
    }
    heldMessages.push_back({type, context.category ? context.category : "", text});
}
} // namespace

void HoldStartMessages(StartableApp& app) {
    starting = &app;
    toolkitHandler = qInstallMessageHandler(holdStartMessages);
}

void TakeOverFromStart(StartableApp& app, int argc, char** argv) {
    // The toolkit takes the user's locale for everything; numbers in files, --info and the
    // command line keep the C locale's point, and the window asks QLocale for its own.
    std::setlocale(LC_NUMERIC, "C");
    qInstallMessageHandler(toolkitHandler);
    for (const HeldMessage& held : std::exchange(heldMessages, {}))
        toolkitHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.c_str()),
                       held.text);
    // The toolkit has taken its own options out of argv.
    app.SetArguments(std::vector<std::string>(argv, argv + argc));
    // The application's name stays the executable's: message boxes show it as caption.
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVANE_VERSION));
}

int RunCoreApp(StartableApp& app, int argc, char** argv) {
    app.PrepareStart(argc, argv);
    return RunWith<QCoreApplication>(app, argc, argv);
}
