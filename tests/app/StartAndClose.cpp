#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>

// Linked into the real program: once the application exists, closes the main dialog as a
// user would, after a tick has run, so a whole start, run and end can be checked.
namespace {
void closeMainDialogSoon() {
    QTimer::singleShot(2500, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible()) {
                std::puts("closing the main dialog");
                dialog->reject();
            }
    });
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(closeMainDialogSoon)
